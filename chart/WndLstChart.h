// CWndLstChart: the base of every chart page. It remembers the chart object it shows and the
// stamp that object had when the page last read it; CheckTargetChanged tells a page whether to
// read its items again. Pages read their object through GetTarget, build their items in
// BuildItems and show their object in them in ShowTarget.
#pragma once

#include "framework/WndLst.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "mfc/Collections.h"

class CWndLstChart : public CWndLst {
    DECLARE_DYNCREATE(CWndLstChart)
public:
    CWndLstChart();
    ~CWndLstChart() override;

    // 1 when the page must read its items again for object, which becomes its target; 0 when
    // it is the target already with the same stamp, and for no object at all.
    virtual int CheckTargetChanged(CObject* object);

    CObject* GetTarget() const { return m_pTarget; }
    // The target as a chart class; NULL when it is none.
    template <class T>
    T* TargetAs() const {
        return dynamic_cast<T*>(m_pTarget);
    }
    // 0 for a map object, 1 for a layer.
    int GetTargetKind() const { return m_nKind; }

    // The view repaint, for the chart items and shared groups acting for the page.
    void UpdateView() override;

protected:
    // The grid, then the page's items (BuildItems).
    int InitPropWnd() override;
    // When CheckTargetChanged says so, the object shown again (ShowTarget).
    void UpdateBCGPProperty(long object, CString name) override;
    // The page's items, built into list.
    virtual void BuildItems(CBCGPPropList& list);
    // The target shown in the page's items held by list.
    virtual void ShowTarget(CBCGPPropList& list);
    // After a text the item refused itself (typed, or reported from code and put back by the pane):
    // the item keeps its text from before the edit, unless the page's edits answer that item with a
    // format of their own (ReshowsRefusedText); nothing else on the page changes.
    void ShowItemAgain(CBCGPProp* item) override;
    // Sets the one item's text from the stored value, in the format the page's edits show it again
    // (else as the refresh shows it), and answers true; false, item untouched, for an item it has
    // no stored value for (the default). Every number item the page's reader can refuse has one.
    virtual bool ShowStoredValue(CBCGPProp* item);
    // Whether the page's edits show the item's stored value again in a format of their own even
    // after a text the item refused itself; false (the default) keeps its text from before.
    virtual bool ReshowsRefusedText(CBCGPProp* item);
    // The end of an edit: a taken one has the view repainted. A refused one (the page's reader or
    // the object refused the text, typed, picked or reported) wrote nothing and repaints nothing;
    // the item alone shows its stored value again (ShowStoredValue), or, where the page has none
    // for it (a choice that names nothing), its text from before the edit.
    void EndEdit(CBCGPProp* item, bool taken);

    int m_nKind = 0;
    CObject* m_pTarget = nullptr;
    DWORD m_reserved = 0;
    CTypedPtrArray<CPtrArray, CQXObject*> m_objects;
};
