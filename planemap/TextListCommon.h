// Pieces the text-like lists share (text, point-text, multi-line text and hint): the items they
// all show, and the edit of one font field across the selected texts of a type name, where each
// text keeps the rest of its own font. The point list shares the position group and its anchor
// edit.
#pragma once

#include "bcg/ColorProp.h"
#include "bcg/Prop.h"
#include "hosttypes/Kestrel/StyleRecords.h"
#include "planemap/PlaneReaders.h"
#include "planemap/RecordEdits.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/WndLstPlane.h"

class CQXObjectText;

namespace textlist {

// ---- items ------------------------------------------------------------------------------------
// "类型" showing "文本", read-only.
CBCGPProp* NewKindItem(DWORD_PTR id);
// "文本", the text's string.
CBCGPProp* NewStringItem(DWORD_PTR id);
// "文本方向": "横向" 0 / "纵向" 1 (also any other text), a pick-only fixed list.
CBCGPProp* NewDirectionItem(DWORD_PTR id);
// "背景颜色" with the "其它..." button and an automatic button of colour 0.
CBCGPColorProp* NewBackColorItem(DWORD_PTR id);
// "旋转角" in degrees, refusing what planemap::ReadAngle refuses.
CBCGPProp* NewAngleItem(DWORD_PTR id);
// "横向对齐" and "竖直对齐", pick-only alignment lists (planemap::NewAlignItem); their first captions
// are no options, the first refresh replaces them.
CBCGPProp* NewHAlignItem(DWORD_PTR id);
CBCGPProp* NewVAlignItem(DWORD_PTR id);
// "位置" holding "横坐标" and "纵坐标", expanded; each refuses what MoveAnchorCoordinate refuses.
CBCGPProp* NewPositionGroup(DWORD_PTR groupId, DWORD_PTR xId, DWORD_PTR yId);

// ---- refresh ----------------------------------------------------------------------------------
// The string belongs to one text: shown and editable only while exactly one object is selected.
void ShowString(CBCGPProp* item, const CString& text, bool oneSelected);

// ---- edits ------------------------------------------------------------------------------------
// Directions of a text: 0 across ("横向"), 1 down ("纵向", shown for any direction but 0).
const char* DirectionText(int direction);

// Moves the object's anchor to the typed x (or y) coordinate, keeping the other one. It is read by
// planemap::ReadFigure, the coordinate items' rule, so a text that rule refuses never comes here.
void MoveAnchorCoordinate(CQXObject* object, const CString& typed, bool x);

// The font group's sub-item at position (0 face, 1 size, 2 colour) written into the own font of
// every selected T of the shown text's type name. The face is cut to the font's name field at a
// character boundary; a size that is no positive number writes nothing (the font group is built
// with textlist::OwnFontSizeRule, so its size item refuses such a text; an item without that rule
// is refused here: false, and the item shows the shown text's size again).
template <class T>
bool EditOwnFonts(T* shown, CBCGPProp* item, int position) {
    QXLOGFONT font;
    shown->GetLogFont(&font);
    if (!planemap::EditFont(font, item, position, planemap::Accept::AboveZero)) {
        planemap::ShowStoredField(item, position, font);
        return false;
    }
    ForSameTypeObjects<T>(shown->GetLayer(), shown->GetTypeName(), [&](T* object) {
        object->GetLogFont(&font);
        if (planemap::EditFont(font, item, position, planemap::Accept::AboveZero)) object->SetLogFont(&font);
    });
    return true;
}
// The size rule of EditOwnFonts, for the font group's size item.
inline TextRule OwnFontSizeRule() { return planemap::HundredthsRule(planemap::Accept::AboveZero); }

// The rotation typed in degrees given to every selected T of typeName. It is read by
// planemap::ReadAngle, the angle item's rule, so a text that rule refuses never comes here.
template <class T>
void EditAngles(CQXLayer* layer, const CString& typeName, const CString& typed) {
    double radians = 0;
    if (planemap::ReadAngle(typed, &radians)) SetSameTypeObjects(layer, &T::SetAngle, radians, typeName);
}

// The background colour (word 2) of every selected text of typeName, each keeping its own font.
void EditOwnBackColors(CQXLayer* layer, const CString& typeName, CBCGPProp* item);
// The transparent-background flag (word 1: 1 for "是", 0 otherwise) likewise; answers the flag.
UINT EditOwnTransparency(CQXLayer* layer, const CString& typeName, CBCGPProp* item);

}  // namespace textlist
