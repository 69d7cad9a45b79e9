#include "bcg/ColorProp.h"

#include "bcg/PropList.h"
#include "mfc/Dc.h"

IMPLEMENT_DYNAMIC(CBCGPColorProp, CBCGPProp)

CBCGPColorProp::CBCGPColorProp(const CString& name, const COLORREF& color, CPalette* palette, LPCTSTR description,
                               DWORD_PTR data)
    : CBCGPProp(name, _variant_t(static_cast<long>(static_cast<int32_t>(color))), description, data),
      m_Color(color),
      m_pPalette(palette) {
    m_bAllowEdit = FALSE;
}

void CBCGPColorProp::SetColor(COLORREF color) {
    m_Color = color;
    m_varValue = _variant_t(static_cast<long>(static_cast<int32_t>(color)));
    Redraw();
}

void CBCGPColorProp::SetValue(const _variant_t& value) {
    if (value.vt == VT_I4 || value.vt == VT_UI4) {
        SetColor(value.vt == VT_I4 ? static_cast<COLORREF>(value.lVal) : static_cast<COLORREF>(value.ulVal));
        return;
    }
    CBCGPProp::SetValue(value);
}

void CBCGPColorProp::EnableOtherButton(LPCTSTR label, BOOL altColorDialog, BOOL enable) {
    m_bOtherButton = enable;
    m_bAltColorDialog = altColorDialog;
    m_strOtherLabel = label;
}

void CBCGPColorProp::EnableAutomaticButton(LPCTSTR label, COLORREF automaticColor, BOOL enable) {
    m_bAutomaticButton = enable;
    m_strAutomaticLabel = label;
    m_ColorAutomatic = automaticColor;
}

CString CBCGPColorProp::FormatProperty() {
    if (m_Color == kAutomatic) return m_strAutomaticLabel;
    return FormatString("RGB(%d,%d,%d)", GetRValue(m_Color), GetGValue(m_Color), GetBValue(m_Color));
}

BOOL CBCGPColorProp::TextToVar(const CString&) { return FALSE; }

void CBCGPColorProp::OnDrawValue(CDC* dc, CRect rect) {
    if (!dc) return;
    CRect swatch = rect;
    swatch.DeflateRect(2, 2);
    swatch.right = swatch.left + swatch.Height();
    dc->FillSolidRect(&swatch, GetDisplayColor());
    CRect text = rect;
    text.left = swatch.right + 4;
    dc->DrawText(GetShownText(), &text, DT_SINGLELINE | DT_VCENTER);
}

BOOL CBCGPColorProp::OnEdit(LPPOINT) { return FALSE; }

void CBCGPColorProp::OnClickButton(CPoint) {
    if (!m_bEnabled) return;
    m_bPopup = TRUE;
    m_bButtonIsDown = TRUE;
}

BOOL CBCGPColorProp::PopupTakesChoice() {
    // An item disabled while its palette is open takes nothing: the palette closes.
    if (m_bPopup && !m_bEnabled) ClosePopup();
    return m_bPopup;
}

BOOL CBCGPColorProp::PickColor(COLORREF color) {
    if (!PopupTakesChoice() || color == kAutomatic) return FALSE;
    UpdateColor(color);
    return TRUE;
}

BOOL CBCGPColorProp::PickAutomatic() {
    if (!PopupTakesChoice() || !m_bAutomaticButton) return FALSE;
    UpdateColor(kAutomatic);
    return TRUE;
}

BOOL CBCGPColorProp::PickOther(COLORREF dialogColor) {
    if (!PopupTakesChoice() || !m_bOtherButton) return FALSE;
    UpdateColor(dialogColor);
    return TRUE;
}

void CBCGPColorProp::UpdateColor(COLORREF color) {
    m_bPopup = FALSE;
    m_bButtonIsDown = FALSE;
    m_varValueBefore = m_varValue;
    SetColor(color);
    m_bValueRefused = FALSE;
    // Every choice is reported, also the colour already shown.
    if (m_pWndList) m_pWndList->OnPropertyChanged(this);
}
