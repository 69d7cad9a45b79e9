// The entries of the property windows of multi-well and single-well sections. The host makes an
// entry and hands it a selected section object (as SectionObject.h says) and a parent window;
// the object's Accept calls back the entry's creator, which picks the pages by the object's
// class name and builds a sheet of them. A layer shown in a section gets its name page through
// CreateLayerProperty.
#pragma once

#include "framework/Export.h"
#include "section/SectionCreator.h"

class CrCorrelation;
class CnConnection;
class IkelWellAdapter;
class ScDisRuler;
class ScDepthRuler;
class ScLookDownForm;
class CrFaultPoint;
class CnSandFill;
class ScRulerFrame;
class ScDisScale;
class CStratumCell;

class TESSALY_API ScPropertyLstCreator : public SectionCreatorBase {
public:
    explicit ScPropertyLstCreator(CWnd* parent) : SectionCreatorBase(parent) {}
    ScPropertyLstCreator(const ScPropertyLstCreator&) = default;
    ScPropertyLstCreator& operator=(const ScPropertyLstCreator&) = default;
    ~ScPropertyLstCreator() override;

    void SetBecontroler(ScObjInterface* object) override;

private:
    // Sections open only when they lie in the work area.
    void SetBecontroler(CrCorrelation* section);
    void SetBecontroler(CnConnection* section);
    // The wells selected in the current section, for correlation and connection sections.
    void SetBecontroler(IkelWellAdapter* well);
    // Rulers, the navigation map and fault points: one page each (rulers captioned with their name).
    void SetBecontroler(ScDisRuler* ruler);
    void SetBecontroler(ScDepthRuler* ruler);
    void SetBecontroler(ScLookDownForm* map);
    void SetBecontroler(CrFaultPoint* point);
    // Sand fills, the ruler frame, scale bars (distance or depth) and stratum cells: one page each.
    void SetBecontroler(CnSandFill* fill);
    void SetBecontroler(ScRulerFrame* frame);
    void SetBecontroler(ScDisScale* scale);
    void SetBecontroler(CStratumCell* cell);
};

class TESSALY_API CSglPropertyLstCreator : public SectionCreatorBase {
public:
    explicit CSglPropertyLstCreator(CWnd* parent) : SectionCreatorBase(parent) {}
    CSglPropertyLstCreator(const CSglPropertyLstCreator&) = default;
    CSglPropertyLstCreator& operator=(const CSglPropertyLstCreator&) = default;
    ~CSglPropertyLstCreator() override;

    // No single-well object kind has its pages yet: nothing is built.
    void SetBecontroler(ScObjInterface* object) override;
};

class TESSALY_API ScPropertyWnd {
public:
    ScPropertyWnd();
    ~ScPropertyWnd();
    // The sheet of the object, through its Accept; NULL for no object, no matching class name,
    // a closed gate or a sheet that could not be made.
    CWnd* Create(long object, CWnd* parent);
    // The same, dispatching on the class name directly (also for objects without an Accept).
    CWnd* CreateObj(long object, CWnd* parent);
};

class TESSALY_API CSglPropertyWnd {
public:
    CSglPropertyWnd();
    ~CSglPropertyWnd();
    CWnd* Create(long object, CWnd* parent);
};
