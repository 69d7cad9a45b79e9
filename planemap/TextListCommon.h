// Pieces the text, point-text and multi-line text lists share: the items they all show, the
// angle and size units, and the edit of one font field across the selected texts of a type
// name, where each text keeps the rest of its own font.
#pragma once

#include "bcg/ColorProp.h"
#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/Variant.h"
#include "planemap/WndLstPlane.h"

namespace textlist {

// ---- items ------------------------------------------------------------------------------------
// "类型" showing "文本", read-only.
CBCGPProp* NewKindItem(DWORD_PTR id);
// "文本", the text's string.
CBCGPProp* NewStringItem(DWORD_PTR id);
// "文本方向": "横向" / "纵向", choice only.
CBCGPProp* NewDirectionItem(DWORD_PTR id);
// "背景颜色" with the "其它..." button and an automatic button of colour 0.
CBCGPColorProp* NewBackColorItem(DWORD_PTR id);
// "旋转角" in degrees.
CBCGPProp* NewAngleItem(DWORD_PTR id);
// "横向对齐" and "竖直对齐"; their first captions are no options, the first refresh replaces them.
CBCGPProp* NewHAlignItem(DWORD_PTR id);
CBCGPProp* NewVAlignItem(DWORD_PTR id);

// ---- refresh ----------------------------------------------------------------------------------
// The string belongs to one text: shown and editable only while exactly one object is selected.
void ShowString(CBCGPProp* item, const CString& text, bool oneSelected);
// Radians shown as degrees, "%.2f".
CString AngleText(double radians);
// Degrees typed (leading-number rule, 0 when none) as radians.
double AngleFromText(const CString& text);
CString TwoDecimals(double value);

// ---- font edits -------------------------------------------------------------------------------
// Hundredths of a typed font size; false for a text that is no positive, finite size.
bool ReadFontSize(const CString& text, float* size);

// edit(font) on the own font of every selected T of typeName, written back.
template <class T, class Edit>
void EditSameTypeFonts(CQXLayer* layer, const CString& typeName, Edit edit) {
    ForSameTypeObjects<T>(layer, typeName, [&](T* object) {
        QXLOGFONT font;
        object->GetLogFont(&font);
        edit(font);
        object->SetLogFont(&font);
    });
}

// One edited sub-item of a font group (index 0 face, 1 size, 2 colour) written to every
// selected T of typeName. The face is cut to the font's name field at a character boundary; a
// size that is no positive number writes nothing and the item keeps the typed text.
template <class T>
void ApplyFontSubItem(CBCGPProp* item, int index, CQXLayer* layer, const CString& typeName) {
    const CString text = VariantToText(item->GetValue());
    switch (index) {
    case 0:
        EditSameTypeFonts<T>(layer, typeName, [&](QXLOGFONT& font) { font.SetFaceName(text); });
        break;
    case 1: {
        float size = 0;
        if (ReadFontSize(text, &size))
            EditSameTypeFonts<T>(layer, typeName, [&](QXLOGFONT& font) { font.size = size; });
        break;
    }
    case 2:
        if (auto* colour = dynamic_cast<CBCGPColorProp*>(item)) {
            const COLORREF c = colour->GetColor();
            EditSameTypeFonts<T>(layer, typeName, [&](QXLOGFONT& font) { font.color = c; });
        }
        break;
    default:
        break;
    }
}

}  // namespace textlist
