// CPropWndMgr: the tabbed property sheet the creators fill with pages and hand to the host.
// It keeps the tab captions itself and writes them after creation, lays tabs and pages out,
// passes the host's two messages to every page that has a window, and owns its pages.
#pragma once

#include <initializer_list>

#include "bcg/PropertyPage.h"
#include "framework/Export.h"
#include "mfc/Collections.h"
#include "mfc/PropertySheet.h"

class CWndLst;

class TESSALY_API CPropWndMgr : public CPropertySheet {
    DECLARE_DYNAMIC(CPropWndMgr)
public:
    CPropWndMgr(UINT unused1 = 0, int unused2 = 0);
    ~CPropWndMgr() override;

    // The sheet owns page from now on.
    void AddDialogPage(CBCGPPropertyPage* page, CString title);
    // FALSE (nothing added) when list is NULL.
    int AddLstPage(CWndLst* list, CString title);
    // The first page added with exactly this title, or NULL.
    CBCGPPropertyPage* GetDialogPage(CString title);
    // Hands every page to the sheet, in the order added; once, before Create.
    void Initialize();

    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE, DWORD exStyle = 0) override;
    BOOL OnInitDialog() override;

    const CStringArray& GetTitles() const { return m_titles; }

protected:
    void OnSize(UINT type, int cx, int cy);
    LRESULT OnSelChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnCheckValue(WPARAM wParam, LPARAM lParam);
    LRESULT ForwardToPages(UINT message, WPARAM wParam, LPARAM lParam);

    CStringArray m_titles;
    CTypedPtrArray<CPtrArray, CBCGPPropertyPage*> m_pages;

    DECLARE_MESSAGE_MAP()
};

// One page of a sheet a creator builds from its lists: the tab caption and the list (owned by the
// sheet once added).
struct ListPage {
    const char* caption;
    CWndLst* list;
};
// A new sheet holding the pages, ready to be created.
TESSALY_API CPropWndMgr* NewListSheet(std::initializer_list<ListPage> pages);
// A visible child sheet of the pages in the parent. A sheet whose window cannot be made is
// destroyed with its pages and NULL answered.
TESSALY_API CPropWndMgr* MakeListSheet(CWnd* parent, std::initializer_list<ListPage> pages);
