// CPropertyPage: a dialog on a template shown as a tab of a property sheet. The sheet makes
// the page's window the first time the page is shown, through the virtual Create: a child
// of the sheet, from the template found along the resource chain, without the template's
// caption, disabled and visible bits (the sheet shows the page). The window hears
// WM_CREATE and WM_SIZE, gets its controls, then OnInitDialog runs.
#pragma once

#include "mfc/Dialog.h"

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT templateId);

    using CDialog::Create;
    BOOL Create(UINT templateId, CWnd* parent) override;

    // Called each time the page becomes the sheet's active page, after its window is placed;
    // FALSE keeps the page from being shown (the previous page stays active).
    virtual BOOL OnSetActive();

    // The caption of the page's template along the resource chain ("" when none is found):
    // what the sheet writes into the page's tab at first.
    CString GetTemplateCaption() const;
    // The template's size in pixels, (0, 0) when none is found.
    SIZE GetTemplateSize() const;
};
