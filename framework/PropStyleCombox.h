// CPropStyleCombox: a grid item that shows a line, point or fill style, a font face or a fill
// colour as a sample in its cell and offers the graph-tool library's picker as its drop-down.
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
    // Stores the style number (or colour) and redraws the item, only when it changes.
    void SetVal(UINT& value);
    UINT GetVal() const { return m_nPicked; }
    int GetKind() const { return m_nKind; }
    const CString& GetFaceName() const { return m_strFaceName; }
    const std::vector<std::pair<bool, CString>>& GetStyleGroups() const { return m_styleGroups; }
    // The colours the fill-colour kind offers, in order.
    std::vector<DWORD>& GetColorList() { return m_colorList; }

    void OnDrawValue(CDC* dc, CRect rect) override;
    CWnd* CreateInPlaceEdit(CRect rect, BOOL& defaultFormat) override;
    void OnSelectCombo() override;
    CComboBox* CreateCombo(CWnd* parent, CRect rect) override;

private:
    std::vector<std::pair<bool, CString>> m_styleGroups;
    CString m_strFaceName;
    UINT m_nPicked = 0;
    int m_nKind = kLineStyle;
    std::vector<DWORD> m_colorList;
};
