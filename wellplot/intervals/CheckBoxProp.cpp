#include "wellplot/intervals/CheckBoxProp.h"

#include "bcg/PropList.h"
#include "bcg/VisualManager.h"
#include "mfc/Dc.h"

IMPLEMENT_DYNAMIC(CCheckBoxProp, CBCGPProp)

namespace {
constexpr UINT kSpace = 32;
}  // namespace

CCheckBoxProp::CCheckBoxProp(const CString& name) : CBCGPProp(name, _variant_t(false), "锁定比例", 0) {}

bool CCheckBoxProp::IsChecked() const { return GetValue().vt == VT_BOOL && GetValue().boolVal != VARIANT_FALSE; }

void CCheckBoxProp::OnDrawName(CDC* dc, CRect rect) {
    m_rectCheck = rect;
    m_rectCheck.DeflateRect(1, 1);
    m_rectCheck.right = m_rectCheck.left + m_rectCheck.Height();
    CRect text(m_rectCheck.right + 1, rect.top, rect.right, rect.bottom);
    CBCGPProp::OnDrawName(dc, text);
    OnDrawCheckBox(dc, m_rectCheck, IsChecked());
}

void CCheckBoxProp::OnDrawValue(CDC*, CRect) {}
void CCheckBoxProp::OnDrawButton(CDC*, CRect) {}
BOOL CCheckBoxProp::OnEdit(LPPOINT) { return FALSE; }
BOOL CCheckBoxProp::HasButton() const { return FALSE; }

void CCheckBoxProp::OnDrawCheckBox(CDC* dc, CRect rect, bool checked) {
    if (!dc) return;
    const COLORREF text = dc->GetTextColor();
    CBCGPVisualManager::GetInstance()->OnDrawCheckBox(dc, rect, FALSE, checked ? TRUE : FALSE, IsEnabled());
    dc->SetTextColor(text);
}

void CCheckBoxProp::Toggle() {
    SetValue(_variant_t(!IsChecked()));
    if (m_pWndList && m_pWndList->GetSafeHwnd()) m_pWndList->InvalidateRect(m_rectCheck, TRUE);
    if (m_pWndList) m_pWndList->OnPropertyChanged(this);
}

void CCheckBoxProp::OnClickName(CPoint point) {
    if (IsEnabled() && m_rectCheck.PtInRect(point)) Toggle();
}

BOOL CCheckBoxProp::OnDblClick(CPoint point) {
    // On the box the two clicks have turned it over already.
    if (IsEnabled() && !m_rectCheck.PtInRect(point)) Toggle();
    return TRUE;
}

BOOL CCheckBoxProp::PushChar(UINT ch) {
    if (ch == kSpace) OnDblClick(CPoint(-1, -1));
    return TRUE;
}
