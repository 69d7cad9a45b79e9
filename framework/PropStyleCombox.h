// CPropStyleCombox: a grid item that shows a line, point or fill style, a font face or a fill
// colour as a sample in its cell and offers the graph-tool library's picker as its drop-down.
// Its value is what it draws (the style number, colour or face name): code that shows a style
// and a user's pick change the same value, so a pick of the style drawn is no edit and a pick
// of any other is one.
#pragma once

#include <utility>
#include <vector>

#include "bcg/Prop.h"
#include "framework/Export.h"

class TESSALY_API CPropStyleCombox : public CBCGPProp {
    DECLARE_DYNAMIC(CPropStyleCombox)
public:
    enum Kind : int { kPointStyle = 0, kLineStyle = 1, kFillStyle = 2, kFontFace = 3, kFillColor = 4 };

    // A style or fill-colour picker; kind is clamped to 0..4, a NULL group is the empty name.
    CPropStyleCombox(const CString& name, int value, int kind, const char* styleGroup, const char* description,
                     DWORD_PTR data);
    // A font-face picker.
    CPropStyleCombox(const CString& name, CString faceName, const char* description, DWORD_PTR data);

    void SetStyleGroup(CString name, bool flag);
    void AddStyleGroup(CString name, bool flag);
    // Shows the style number (or colour) as the item's value; only a change redraws the item.
    void SetVal(UINT& value);
    // The style number (or colour) shown: the value read as one.
    UINT GetVal() const;
    int GetKind() const { return m_nKind; }
    // The face shown (font kind): the value's text.
    CString GetFaceName() const { return VariantToText(GetValue()); }
    const std::vector<std::pair<bool, CString>>& GetStyleGroups() const { return m_styleGroups; }
    // The colours the fill-colour kind offers, in order.
    std::vector<DWORD>& GetColorList() { return m_colorList; }

    void OnDrawValue(CDC* dc, CRect rect) override;
    CWnd* CreateInPlaceEdit(CRect rect, BOOL& defaultFormat) override;
    void OnSelectCombo() override;
    CComboBox* CreateCombo(CWnd* parent, CRect rect) override;

private:
    // The value a style number (or colour) is held as.
    _variant_t StyleValue(UINT value) const;

    std::vector<std::pair<bool, CString>> m_styleGroups;
    // What an open drop-down was given as its initial choice (the library keeps the pointer).
    CString m_strComboFace;
    UINT m_nComboStyle = 0;
    int m_nKind = kLineStyle;
    std::vector<DWORD> m_colorList;
};
