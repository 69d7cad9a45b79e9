// CPropertySheet: a window with a tab control and one page per tab; only the active page
// is visible. The sheet does not own its pages.
//
// Create(parent, style, exStyle):
//   1. the sheet window, (0, 0) in the parent, sized for the largest page template:
//      width = template width + 4, height = template height + one tab row (20 px);
//   2. the tab control, covering the sheet's client area, one item per page captioned with
//      the page's template caption;
//   3. the page the sheet opens on (SetActivePage before Create, else the constructor's
//      choice, else 0) is created and shown as below; when it cannot be created, the sheet
//      window is destroyed and Create answers FALSE;
//   4. the virtual OnInitDialog.
// Showing a page (SetActivePage on a live sheet, or the user's click on a tab): the page's
// window is created on its first showing, then placed over the page area with
// SetWindowPos(SWP_NOZORDER | SWP_NOACTIVATE); a page just created always hears WM_SIZE
// with its placed size (sent by the sheet when the placing did not change the size), so
// that it lays its children out after OnInitDialog. Then OnSetActive; the page is shown,
// the previous one hidden, and the tab selected.
// The page area is the sheet's client rectangle less 2 px on the left and right, starting
// below the tab rows: top + (item 0's height x row count), no rows without items.
// Destroying the sheet window destroys the tab control and every page window.
#pragma once

#include <vector>

#include "mfc/PropertyPage.h"
#include "mfc/TabCtrl.h"

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    static constexpr UINT kTabControlId = 0x3020;

    CPropertySheet();
    explicit CPropertySheet(LPCTSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);
    ~CPropertySheet() override;

    // Appends page; on a live sheet its tab is added at once (its window waits for its first showing).
    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;            // NULL for a bad index
    int GetPageIndex(const CPropertyPage* page) const;  // -1 when the sheet does not hold it
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const { return m_activePage; }
    // Before the window exists: only chooses the page the sheet opens on. After: shows the
    // page (see above). FALSE for a bad index, a page that cannot be created or one that
    // refuses activation.
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page) { return SetActivePage(GetPageIndex(page)); }

    // style (DWORD)-1 makes a visible pop-up with a caption.
    using CWnd::Create;
    virtual BOOL Create(CWnd* parent = nullptr, DWORD style = static_cast<DWORD>(-1), DWORD exStyle = 0);
    virtual BOOL OnInitDialog();  // TRUE

    // The tab control while the sheet window exists, else NULL.
    CTabCtrl* GetTabControl() const;
    // Where pages are placed, in the sheet's client coordinates.
    CRect GetPageArea() const;

    CString m_strCaption;
    CWnd* m_pParentWnd = nullptr;

    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    LRESULT OnGetTabControl(WPARAM, LPARAM);
    SIZE SheetSize() const;
    BOOL ShowPage(int index);

    std::vector<CPropertyPage*> m_pages;
    int m_activePage = 0;
    CTabCtrl m_tab;
};
