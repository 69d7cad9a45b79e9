#include "mfc/PropertyPage.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage() = default;

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId, nullptr) {}

BOOL CPropertyPage::Create(UINT templateId, CWnd* parent) {
    const platform::DialogTemplate* t = platform::FindDialogTemplateInChain(templateId);
    if (!t || !parent) return FALSE;
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    return CreateFromTemplate(*t, parent, WS_CAPTION | WS_DISABLED | WS_VISIBLE | WS_POPUP, WS_CHILD);
}

BOOL CPropertyPage::OnSetActive() { return TRUE; }

CString CPropertyPage::GetTemplateCaption() const {
    const platform::DialogTemplate* t = platform::FindDialogTemplateInChain(m_nIDTemplate);
    return t ? CString(t->caption) : CString();
}

SIZE CPropertyPage::GetTemplateSize() const {
    const platform::DialogTemplate* t = platform::FindDialogTemplateInChain(m_nIDTemplate);
    return t ? t->PixelSize() : SIZE{0, 0};
}
