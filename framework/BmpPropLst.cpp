#include "framework/BmpPropLst.h"

#include "framework/BmpComboBox.h"

namespace {
constexpr int kDropDownHeight = 200;
constexpr DWORD kDropDownStyle =
    WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT;
}  // namespace

CBmpPropLst::CBmpPropLst(const CString& name, long value, const char* description)
    : CBCGPProp(name, _variant_t(value), description, 0) {
    m_bIsValueList = TRUE;
    AllowEdit(FALSE);
}

CWnd* CBmpPropLst::CreateInPlaceEdit(CRect rect, BOOL& defaultFormat) {
    // Only the drop-down is meant to be seen: the editor just carries the picked position.
    CWnd* edit = CBCGPProp::CreateInPlaceEdit(rect, defaultFormat);
    if (edit) edit->ShowWindow(SW_HIDE);
    return edit;
}

// The position of the picture drawn, whatever value the item holds: the editor opens on it, so
// picking that picture again is no edit and any other is.
CString CBmpPropLst::GetShownText() { return FormatString("%d", m_nSelectedIndex); }

CComboBox* CBmpPropLst::CreateCombo(CWnd* parent, CRect rect) {
    CBmpComboBox* combo = new CBmpComboBox;
    combo->m_clrKey = m_clrKey;
    combo->m_bTransparent = m_bTransparent;
    rect.bottom += kDropDownHeight;
    if (!combo->Create(kDropDownStyle, rect, parent, BCGPROPLIST_ID_INPLACE)) {
        delete combo;
        return nullptr;
    }
    combo->m_hResModule = m_hResModule;
    for (UINT id : m_imageList) {
        CString text;
        text.Format("%d", combo->GetCount());
        combo->SetItemData(combo->AddString(text), id);
    }
    return combo;
}

void CBmpPropLst::OnSelectCombo() {
    if (!m_pWndCombo || !m_pWndInPlace) return;
    const int sel = m_pWndCombo->GetCurSel();
    if (sel < 0) return;
    // The pick is judged against the picture drawn before it is drawn (the list hears of it later).
    m_pWndInPlace->SetWindowText(m_pWndCombo->GetLBText(sel));
    if (OnUpdateValue()) m_nSelectedIndex = sel;
}

void CBmpPropLst::OnDrawValue(CDC* dc, CRect rect) {
    if (!dc || m_nSelectedIndex < 0 || m_nSelectedIndex >= static_cast<int>(m_imageList.size())) return;
    DrawBitmapInCell(dc, rect, m_hResModule, m_imageList[static_cast<std::size_t>(m_nSelectedIndex)], m_bTransparent,
                     m_clrKey);
}
