// CPropStyleCombox: a grid item that shows a line, point or fill style, a font face or a fill
// colour as a sample in its cell and offers the graph-tool library's picker as its drop-down.
// A style or colour picker keeps two values: the picked value (GetVal/SetVal: the style number
// or colour), which starts at 0, and the item's variant value. The cell draws the picked value,
// the editor and the drop-down open on it, and a commit is judged against it: a pick of the style
// drawn is no edit, a pick of any other is one, even when its number equals the variant's. A pick
// taken sets both. A text reported from code changes the variant only, so a list that reads
// GetVal writes the style drawn.
// The face picker keeps its face name beside its text value the same way: the face name starts
// as the face it is made with, its drop-down opens on it, the drop-down writes its choice into it,
// and a pick taken sets both. What it shows is its text value, the face that refreshes write and
// the font readers read: its cell draws that text, its editor opens on it and a commit is judged
// against it, so a pick of the face shown is no edit.
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
    // Stores the picked value; only a change redraws the item (and an open editor shows it).
    void SetVal(UINT& value);
    // The picked value: the style number (or colour) drawn.
    UINT GetVal() const { return m_nPicked; }
    int GetKind() const { return m_nKind; }
    // The face name (font kind): the face the drop-down opens on.
    const CString& GetFaceName() const { return m_strFaceName; }
    const std::vector<std::pair<bool, CString>>& GetStyleGroups() const { return m_styleGroups; }
    // The colours the fill-colour kind offers, in order.
    std::vector<DWORD>& GetColorList() { return m_colorList; }

    // The text of the picked value (as the drop-down's entries write it); the face picker's text value.
    CString GetShownText() override;
    // A value set by code changes the variant only.
    void SetValue(const _variant_t& value) override;
    // A text typed changes the variant only; it, not an earlier pick, is then the text put back.
    BOOL TextToVar(const CString& text) override;
    // After a pick taken that the list refuses: the style drawn (the face name) before it comes back
    // with the variant.
    void PutBackValueBefore() override;
    void OnDrawValue(CDC* dc, CRect rect) override;
    CWnd* CreateInPlaceEdit(CRect rect, BOOL& defaultFormat) override;
    void OnSelectCombo() override;
    CComboBox* CreateCombo(CWnd* parent, CRect rect) override;

private:
    std::vector<std::pair<bool, CString>> m_styleGroups;
    CString m_strFaceName;
    // The face name when the drop-down opened: a pick not taken leaves the face name as it was.
    CString m_strFaceOpened;
    UINT m_nPicked = 0;
    // What the last text, when it was a pick taken, replaced of the picked value and the face name.
    bool m_bPickTaken = false;
    UINT m_nPickedBefore = 0;
    CString m_strFaceBefore;
    int m_nKind = kLineStyle;
    std::vector<DWORD> m_colorList;
};
