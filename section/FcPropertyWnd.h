// The entries of the property windows of fence diagrams and reservoir sections, with their
// creators: the same protocol as the multi-well entries (ScPropertyWnd.h), over their own tables.
#pragma once

#include "framework/Export.h"
#include "section/SectionCreator.h"

class IkelWellAdapter;
class ScDisRuler;
class ScDepthRuler;
class ScLookDownForm;
namespace KelReservoir::SandUnit {
class CkelFlowUnit;
class CkelOSWerLine;
}  // namespace KelReservoir::SandUnit
namespace KelReservoir::VirtualWell {
class CkelControlLine;
}
namespace KelReservoir::Fault {
class CkelFaultLine;
}
namespace KelReservoir::Connection {
class CDesignerWellAdapter;
}
class CnSandFill;
class CStratumCell;
class ScRulerFrame;
class ScDisScale;
namespace KelFence {
class CFence;
}
namespace KelReservoir::Connection {
class CkelReservoir;
}

class CFcPropertyListCreator : public SectionCreatorBase {
public:
    explicit CFcPropertyListCreator(CWnd* parent) : SectionCreatorBase(parent) {}
    ~CFcPropertyListCreator() override;
    void SetBecontroler(ScObjInterface* object) override;

private:
    void SetBecontroler(KelFence::CFence* fence);
    void SetBecontroler(IkelWellAdapter* well);
    void SetBecontroler(ScLookDownForm* map);
    void SetBecontroler(CnSandFill* fill);
    void SetBecontroler(CStratumCell* cell);
};

class CkelPropertyListCreator : public SectionCreatorBase {
public:
    explicit CkelPropertyListCreator(CWnd* parent) : SectionCreatorBase(parent) {}
    ~CkelPropertyListCreator() override;
    void SetBecontroler(ScObjInterface* object) override;

private:
    void SetBecontroler(KelReservoir::Connection::CkelReservoir* reservoir);
    void SetBecontroler(IkelWellAdapter* well);
    void SetBecontroler(KelReservoir::SandUnit::CkelFlowUnit* unit);
    void SetBecontroler(KelReservoir::SandUnit::CkelOSWerLine* line);
    void SetBecontroler(ScDisRuler* ruler);
    void SetBecontroler(ScDepthRuler* ruler);
    void SetBecontroler(ScLookDownForm* map);
    void SetBecontroler(KelReservoir::VirtualWell::CkelControlLine* line);
    void SetBecontroler(KelReservoir::Fault::CkelFaultLine* line);
    void SetBecontroler(KelReservoir::Connection::CDesignerWellAdapter* well);
    void SetBecontroler(CnSandFill* fill);
    void SetBecontroler(CStratumCell* cell);
    void SetBecontroler(ScRulerFrame* frame);
    void SetBecontroler(ScDisScale* scale);
};

class TESSALY_API CFcPropertyWnd {
public:
    CFcPropertyWnd();
    ~CFcPropertyWnd();
    CWnd* Create(long object, CWnd* parent);
    CWnd* CreateObj(long object, CWnd* parent);
};

class TESSALY_API CkelPropertyWnd {
public:
    CkelPropertyWnd();
    ~CkelPropertyWnd();
    CWnd* Create(long object, CWnd* parent);
    CWnd* CreateObj(long object, CWnd* parent);
};
