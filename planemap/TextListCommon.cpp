#include "planemap/TextListCommon.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "hosttypes/Parsnip/QXObjectText.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"

namespace textlist {

namespace {

// edit(font) on the own font of every selected text of typeName, written back.
template <class Edit>
void EditSameTypeFonts(CQXLayer* layer, const CString& typeName, Edit edit) {
    ForSameTypeObjects<CQXObjectText>(layer, typeName, [&](CQXObjectText* text) {
        QXLOGFONT font;
        text->GetLogFont(&font);
        edit(font);
        text->SetLogFont(&font);
    });
}

}  // namespace

CBCGPProp* NewKindItem(DWORD_PTR id) {
    auto* item = new CBCGPProp(planetext::kType, _variant_t(planetext::kText), "", id);
    item->AllowEdit(FALSE);
    return item;
}

CBCGPProp* NewStringItem(DWORD_PTR id) { return NewTextItem(planetext::kText, "", id); }

CBCGPProp* NewDirectionItem(DWORD_PTR id) {
    return NewOptionItem(planetext::kTextDirection, grouptext::kHorizontal, planetext::kTextDirection, id,
                         {grouptext::kHorizontal, grouptext::kVertical}, false);
}

CBCGPColorProp* NewBackColorItem(DWORD_PTR id) {
    auto* item = new CBCGPColorProp(planetext::kBackColor, 0, nullptr, planetext::kBackColorDescription, id);
    item->EnableOtherButton(grouptext::kOtherColor, TRUE, TRUE);
    item->EnableAutomaticButton(grouptext::kAutomaticColor, 0, TRUE);
    return item;
}

CBCGPProp* NewAngleItem(DWORD_PTR id) {
    return NewSizeTextItem(planetext::kRotation, planetext::kRotationDescription, id, planemap::AngleRule());
}

CBCGPProp* NewAlignItem(bool horizontal, const char* name, const char* value, const char* description, DWORD_PTR id,
                        bool allowEdit) {
    auto* item = NewOptionItem(name, value, description, id, {}, allowEdit);
    for (int alignment = 0; alignment < 3; ++alignment)
        item->AddOption(horizontal ? planemap::HAlignText(alignment) : planemap::VAlignText(alignment));
    return item;
}

CBCGPProp* NewHAlignItem(DWORD_PTR id) {
    return NewAlignItem(true, planetext::kHAlign, planetext::kHAlign, planetext::kAlignDescription, id, false);
}

CBCGPProp* NewVAlignItem(DWORD_PTR id) {
    return NewAlignItem(false, planetext::kVAlignUpright, planetext::kAlignTopCaption, planetext::kAlignDescription, id,
                        false);
}

CBCGPProp* NewPositionGroup(DWORD_PTR groupId, DWORD_PTR xId, DWORD_PTR yId) {
    auto* group = new CBCGPProp(planetext::kPosition, groupId);
    group->AddSubItem(NewSizeTextItem(planetext::kX, planetext::kXDescription, xId, planemap::FigureRule()));
    group->AddSubItem(NewSizeTextItem(planetext::kY, planetext::kYDescription, yId, planemap::FigureRule()));
    group->Expand(TRUE);
    return group;
}

void ShowString(CBCGPProp* item, const CString& text, bool oneSelected) {
    if (!item) return;
    item->SetValue(_variant_t(oneSelected ? text : CString()));
    item->Enable(oneSelected ? TRUE : FALSE);
}

void MoveAnchorCoordinate(CQXObject* object, const CString& typed, bool x) {
    double value = 0;
    if (!planemap::ReadFigure(typed, &value)) return;
    QXPOINT p;
    object->GetAnchor(&p);
    (x ? p.x : p.y) = value;
    object->MoveAnchor(p);
}

void EditOwnBackColors(CQXLayer* layer, const CString& typeName, CBCGPProp* item) {
    COLORREF c = 0;
    if (!ReadColor(item, &c)) return;
    EditSameTypeFonts(layer, typeName, [&](QXLOGFONT& font) { font.backColor = c; });
}

int TakeHAlign(CBCGPProp* item) {
    const int align = planemap::HAlignValue(ItemText(item));
    ShowOptionTaken(item, planemap::HAlignText(align));
    return align;
}

int TakeVAlign(CBCGPProp* item) {
    const int align = planemap::VAlignValue(ItemText(item));
    ShowOptionTaken(item, planemap::VAlignText(align));
    return align;
}

const char* DirectionText(int direction) { return direction == 0 ? grouptext::kHorizontal : grouptext::kVertical; }

int TakeDirection(CBCGPProp* item) {
    const int direction = ItemText(item) == grouptext::kHorizontal ? 0 : 1;
    ShowOptionTaken(item, DirectionText(direction));
    return direction;
}

UINT EditOwnTransparency(CQXLayer* layer, const CString& typeName, CBCGPProp* item) {
    const UINT transparent = TakeYesNo(item) ? 1 : 0;
    EditSameTypeFonts(layer, typeName, [&](QXLOGFONT& font) { font.transparent = transparent; });
    return transparent;
}

}  // namespace textlist
