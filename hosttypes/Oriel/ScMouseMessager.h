// Mouse handlers of the section view. Each handler answers how the view is to go on; the
// base answers 0 everywhere and draws nothing.
#pragma once

#include "hosttypes/Oriel/Message.h"
#include "hosttypes/Oriel/ScControlerInterface.h"
#include "mfc/String.h"
#include "mfc/Types.h"

class CView;
class CDC;

class ScMouseMessager : public ScControlerInterface {
public:
    ScMouseMessager() = default;
    ScMouseMessager(const ScMouseMessager&) = default;
    ScMouseMessager& operator=(const ScMouseMessager&) = default;
    ~ScMouseMessager() override;

    void SetBecontroler(ScObjInterface* obj) override {}
    virtual int OnLButtonDown(CView* view, CDC* dc, unsigned int flags, CPoint pt) { return 0; }
    virtual int OnLButtonUp(CView* view, CDC* dc, unsigned int flags, CPoint pt) { return 0; }
    virtual int OnLButtonDblClk(CView* view, CDC* dc, unsigned int flags, CPoint pt) { return 0; }
    virtual int OnMouseMove(CView* view, CDC* dc, unsigned int flags, CPoint pt) { return 0; }
    virtual int OnRButtonDown(CView* view, CDC* dc, unsigned int flags, CPoint pt) { return 0; }
    virtual int OnRButtonUp(CView* view, CDC* dc, unsigned int flags, CPoint pt) { return 0; }
    virtual int OnKeyDown(CView* view, CDC* dc, unsigned int key, unsigned int repeat, unsigned int flags) { return 0; }
    virtual int OnKeyUp(CView* view, CDC* dc, unsigned int key, unsigned int repeat, unsigned int flags) { return 0; }
    virtual void OnDraw(CDC* dc, CView* view, CRect* clip, CRect* update) {}

    CString GetName() const { return m_strName; }
    void SetName(CString name) { m_strName = name; }

protected:
    CString m_strName;
};

// The handler the view falls back on when no object's handler is active.
class CDefaultEvent : public ScMouseMessager, public CMessageNode<unsigned int> {
public:
    CDefaultEvent();
    CDefaultEvent(const CDefaultEvent&) = default;
    CDefaultEvent& operator=(const CDefaultEvent&) = default;
    ~CDefaultEvent() override;

    void SetBecontroler(ScObjInterface* obj) override {}
    int OnLButtonDown(CView* view, CDC* dc, unsigned int flags, CPoint pt) override { return 2; }
    int OnLButtonUp(CView* view, CDC* dc, unsigned int flags, CPoint pt) override { return 0; }
    int OnMouseMove(CView* view, CDC* dc, unsigned int flags, CPoint pt) override { return 0; }
};
