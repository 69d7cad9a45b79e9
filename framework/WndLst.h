// CWndLst: a pane holding one property grid. Every property list derives from it, fills
// the grid in InitPropWnd (after calling CWndLst::InitPropWnd), writes edits back in
// OnPropertyChanged and re-reads its object in UpdateBCGPProperty.
#pragma once

#include "framework/PropListEx.h"
#include "framework/WndProp.h"

class CBCGPProp;
class CBCGPPropSubItemList;

class TESSALY_API CWndLst : public CWndProp {
    DECLARE_DYNCREATE(CWndLst)
public:
    CWndLst();
    ~CWndLst() override;

    void AdjustLayout() override;
    void SetVSDotNetLook(BOOL set) override;

    void UpdateObjFinished() { UpdateView(); }

    // Option fillers from the style-template manager: "" first, then each template's name.
    void InitFontTemplate(CBCGPProp* item);
    void InitSizeTemplate(CBCGPProp* item);
    void InitColorTemplate(CBCGPProp* item);  // replaces the options; choice from the list only
    void InitPointTemplate(CBCGPProp* item);

    CBCGPPropListEx& GetPropList() { return m_wndPropList; }

protected:
    int InitPropWnd() override;
    void OnPaint();

    CBCGPPropListEx m_wndPropList;

    DECLARE_MESSAGE_MAP()
};

// Control id of the grid inside its pane, and of a pane inside its page or host window.
constexpr UINT kPropListCtrlId = 2;

// Sub-item helpers for lists that rebuild a group.
TESSALY_API void DeleteAllSubItems(CBCGPProp* item);
TESSALY_API void DeleteLastSubItems(CBCGPProp* item, int count);
TESSALY_API CBCGPProp* RemoveLastSubItem(CBCGPPropSubItemList& list);
TESSALY_API void RedrawWnd(CWnd* wnd);
