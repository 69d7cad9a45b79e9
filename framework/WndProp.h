// CWndProp: the base window of every property pane. It keeps what the host last announced
// (view window, selected object) and the stamp of the state it last showed, and turns the
// host's selection message and the grid's change notification into virtual calls.
#pragma once

#include <cstdint>
#include <functional>

#include "framework/Export.h"
#include "framework/PropertiesToolBar.h"
#include "mfc/Wnd.h"

class CBCGPProp;
class CDC;

// Sent by the host: selection changed (wParam the view CWnd*, lParam the object).
constexpr UINT WM_PROP_SELCHANGED = WM_USER + 101;
// Sent by the host: a layer to check (wParam the layer); lists that want it handle it.
constexpr UINT WM_PROP_CHECKVALUE = WM_USER + 102;

// An item that refused its text still reports the edit; such a report writes nothing, so it must
// never reach a list's write-back. True when the item refused its last text: typed, set by code
// and refused by the item's own rule (the item first gets back the text it replaced), or bytes
// that are not UTF-8 (which never reached it). showAgain then shows that one item again (in the
// list's own format, if it has one), held in the type of its value from before the text
// (KeepTypeOf: a refusal decides nothing about the item's next text), and the item stays marked
// refused. A value set by code that the item took is then held as the same text typed
// (CJudgedProp::TakeReport). Every pane answers reports through it before its list sees them.
TESSALY_API bool AnswerRefusal(CBCGPProp* item, const std::function<void(CBCGPProp*)>& showAgain);

class TESSALY_API CWndProp : public CWnd {
    DECLARE_DYNCREATE(CWndProp)
public:
    CWndProp();
    ~CWndProp() override;

    // Virtual operations, in this order for every pane class.
    virtual void AdjustLayout();
    virtual BOOL IsHideInAutoHideMode() const;
    virtual void SetVSDotNetLook(BOOL set);

protected:
    virtual LRESULT OnPropertyChanged(WPARAM wParam, LPARAM lParam);
    virtual void UpdateBCGPProperty(long object, CString name);
    virtual void UpdateView();
    virtual int InitPropWnd();
    virtual int InitToolbar();
    virtual HINSTANCE GetDllHandle();
    virtual UINT GetToolbarID();
    virtual void AdjustWndLayout(CWnd* child);
    virtual void PaintWndBound(CDC* dc, CWnd* child);
    // After a text the item refused: the item kept its value, so it shows its text from before the
    // edit, as if the edit had been abandoned; nothing else on the pane changes (no refresh, no
    // write, no redraw of the view). A list whose edits show a refused value in a format of their
    // own overrides it and sets that one item's text from the stored value.
    virtual void ShowItemAgain(CBCGPProp* item);

public:
    void SetTimeStamp(uint64_t stamp) { m_timeStamp = stamp; }
    uint64_t GetTimeStamp() const { return m_timeStamp; }

    // What the host last announced (read by tests and family bases).
    long GetCurrentObject() const { return m_curObject; }
    BOOL IsSameObject() const { return m_bSameObject; }
    CWnd* GetView() const { return m_pView; }

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnContextMenu(CWnd* wnd, CPoint pos);
    LRESULT OnBCGPPropertyChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelChanged(WPARAM wParam, LPARAM lParam);

    uint64_t m_timeStamp = ~static_cast<uint64_t>(0);
    long m_curObject = 0;
    BOOL m_bSameObject = TRUE;
    CWnd* m_pView = nullptr;
    CPropertiesToolBar m_wndToolBar;

    DECLARE_MESSAGE_MAP()
};
