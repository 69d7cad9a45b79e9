// CWndPag: a sheet page holding one property list. The list window is created when the
// page is first shown, kept covering the page, and deleted with the page.
#pragma once

#include "bcg/PropertyPage.h"
#include "framework/Export.h"
#include "resources/ModuleResources.h"

class CWndLst;

class TESSALY_API CWndPag : public CBCGPPropertyPage {
    DECLARE_DYNCREATE(CWndPag)
public:
    CWndPag();
    explicit CWndPag(CWndLst* list);
    ~CWndPag() override;

    CWnd* GetWndLst() const;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnSize(UINT type, int cx, int cy);
    void OnDestroy();
    LRESULT OnSelChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnCheckValue(WPARAM wParam, LPARAM lParam);
    LRESULT ForwardToList(UINT message, WPARAM wParam, LPARAM lParam);

    CWndLst* m_pWndLst = nullptr;

    DECLARE_MESSAGE_MAP()
};
