// CBCGPColorProp: an item whose value is a colour, chosen from a pop-up palette opened by the
// item's button: a palette colour, the automatic choice (read back as (COLORREF)-1) or the
// "other" button's colour dialog. Colours are not typed.
#pragma once

#include "bcg/Prop.h"

class CPalette;

class CBCGPColorProp : public CBCGPProp {
    DECLARE_DYNAMIC(CBCGPColorProp)
public:
    // The colour the automatic choice reads as.
    static constexpr COLORREF kAutomatic = static_cast<COLORREF>(-1);

    CBCGPColorProp(const CString& name, const COLORREF& color, CPalette* palette = nullptr,
                   LPCTSTR description = nullptr, DWORD_PTR data = 0);

    // Programmatic; never notifies. (COLORREF)-1 selects the automatic choice.
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_Color; }
    void SetValue(const _variant_t& value) override;

    void EnableOtherButton(LPCTSTR label, BOOL altColorDialog = TRUE, BOOL enable = TRUE);
    void EnableAutomaticButton(LPCTSTR label, COLORREF automaticColor, BOOL enable = TRUE);
    BOOL IsOtherButtonEnabled() const { return m_bOtherButton; }
    const CString& GetOtherButtonLabel() const { return m_strOtherLabel; }
    BOOL IsAutomaticButtonEnabled() const { return m_bAutomaticButton; }
    const CString& GetAutomaticButtonLabel() const { return m_strAutomaticLabel; }
    COLORREF GetAutomaticColor() const { return m_ColorAutomatic; }
    // The colour shown: the automatic colour for the automatic choice.
    COLORREF GetDisplayColor() const { return m_Color == kAutomatic ? m_ColorAutomatic : m_Color; }

    // The pop-up palette (opened by the button). The user's choices close it, store the colour
    // and notify the grid; each answers FALSE (nothing happens) when the palette is not open,
    // the item was disabled meanwhile or the chosen button is not offered.
    BOOL IsPopupOpen() const { return m_bPopup; }
    BOOL PickColor(COLORREF color);
    BOOL PickAutomatic();
    BOOL PickOther(COLORREF dialogColor);
    void ClosePopup() { m_bPopup = FALSE; }

    CString FormatProperty() override;
    BOOL TextToVar(const CString& text) override;
    void OnDrawValue(CDC* dc, CRect rect) override;
    void OnClickButton(CPoint point) override;
    BOOL OnEdit(LPPOINT clickPoint) override;
    BOOL HasButton() const override { return TRUE; }

protected:
    // Whether the open palette can take a choice (it closes when the item was disabled).
    BOOL PopupTakesChoice();
    // Stores a colour chosen by the user and tells the grid (last step).
    virtual void UpdateColor(COLORREF color);

    COLORREF m_Color;
    COLORREF m_ColorAutomatic = 0;
    CPalette* m_pPalette;
    BOOL m_bOtherButton = FALSE;
    BOOL m_bAltColorDialog = TRUE;
    CString m_strOtherLabel;
    BOOL m_bAutomaticButton = FALSE;
    CString m_strAutomaticLabel;
    BOOL m_bPopup = FALSE;
};
