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
    // After the page's reader refused a text the item had taken (a pick, or a change reported from
    // code): the item shows the stored value as the refresh shows it. Nothing else changes: the
    // refresh runs over a copy of the page's items, and only the item's value is taken from it.
    // An item the page shows again in its edits' format (ShowEditedValue) shows that instead.
    void ShowStoredValue(CBCGPProp* item);
    // After a text the item refused itself: its text from before the edit, or the page's edits'
    // format where it has one (ShowEditedValue).
    void ShowItemAgain(CBCGPProp* item) override;
    // For a page whose edits show a refused value in a format of their own (two decimals where the
    // refresh shows one): sets the item's text from the stored value and answers true; false, item
    // untouched, for an item it has no such format for (the default: every item).
    virtual bool ShowEditedValue(CBCGPProp* item);
    // The end of an edit: a taken one has the view repainted; a refused one wrote nothing, and the
    // item shows the stored value again (ShowStoredValue).
    void AfterEdit(CBCGPProp* item, bool taken);

    int m_nKind = 0;
    CObject* m_pTarget = nullptr;
    DWORD m_reserved = 0;
    CTypedPtrArray<CPtrArray, CQXObject*> m_objects;
};
