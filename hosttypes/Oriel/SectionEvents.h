// The mouse handlers of the section's objects. Their handling belongs to the section library;
// each keeps the object it works on, copied with the handler.
#pragma once

#include "hosttypes/Oriel/ScMouseMessager.h"

class IkelWellAdapter;
class ScDepthRuler;
class ScDisRuler;
class ScRulerFrame;
class ScDisScale;
class ScLookDownForm;
class CnConnection;
class CnSandLine;
class CnSandFill;
class CnSplitLine;
class CnSandFillBoundary;

class CWellEvent : public ScMouseMessager {
public:
    CWellEvent();
    ~CWellEvent() override;

protected:
    IkelWellAdapter* m_pWell = nullptr;
};

class CCnWellEvent : public CWellEvent {
public:
    CCnWellEvent();
    ~CCnWellEvent() override;
};

class ScDepthRulerMoveEvent : public ScMouseMessager {
public:
    ScDepthRulerMoveEvent();
    ~ScDepthRulerMoveEvent() override;

protected:
    ScDepthRuler* m_pRuler = nullptr;
};

class ScDisRulerMoveEvent : public ScMouseMessager {
public:
    ScDisRulerMoveEvent();
    ~ScDisRulerMoveEvent() override;

protected:
    ScDisRuler* m_pRuler = nullptr;
};

class ScRulerFrameMoveEvent : public ScMouseMessager {
public:
    ScRulerFrameMoveEvent();
    ~ScRulerFrameMoveEvent() override;

protected:
    ScRulerFrame* m_pFrame = nullptr;
};

class ScDisScaleMoveEvent : public ScMouseMessager {
public:
    ScDisScaleMoveEvent();
    ~ScDisScaleMoveEvent() override;

protected:
    ScDisScale* m_pScale = nullptr;
};

class ScLookDownFormEvent : public ScMouseMessager {
public:
    ScLookDownFormEvent();
    ~ScLookDownFormEvent() override;

    using ScMouseMessager::SetBecontroler;
    void SetBecontroler(ScLookDownForm* form) { m_pForm = form; }
    ScLookDownForm* GetLookDownForm() const { return m_pForm; }

protected:
    ScLookDownForm* m_pForm = nullptr;
};

class CnEditConnectionEvent : public ScMouseMessager, public CMessageNode<unsigned int> {
public:
    CnEditConnectionEvent();
    ~CnEditConnectionEvent() override;

protected:
    CnConnection* m_pConnection = nullptr;
};

class CnEditSandLineEvent : public ScMouseMessager, public CMessageNode<unsigned int> {
public:
    CnEditSandLineEvent();
    ~CnEditSandLineEvent() override;

protected:
    CnSandLine* m_pLine = nullptr;
};

class CnEditSandFillEvent : public ScMouseMessager, public CMessageNode<unsigned int> {
public:
    CnEditSandFillEvent();
    ~CnEditSandFillEvent() override;

protected:
    CnSandFill* m_pFill = nullptr;
};

class CnEditSpliLineEvent : public ScMouseMessager, public CMessageNode<unsigned int> {
public:
    CnEditSpliLineEvent();
    ~CnEditSpliLineEvent() override;

protected:
    CnSplitLine* m_pLine = nullptr;
};

class CnEditSandFillBoundaryEvent : public ScMouseMessager, public CMessageNode<unsigned int> {
public:
    CnEditSandFillBoundaryEvent();
    ~CnEditSandFillBoundaryEvent() override;

protected:
    CnSandFillBoundary* m_pBoundary = nullptr;
};
