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

// A text's directions: 0 across, 1 down (also for any other text).
constexpr TextValue kDirections[] = {{grouptext::kHorizontal, 0}, {grouptext::kVertical, 1}};

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
    return NewFixedListItem(planetext::kTextDirection, grouptext::kHorizontal, planetext::kTextDirection, id,
                            kDirections, OtherTakenAs(1));
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

CBCGPProp* NewHAlignItem(DWORD_PTR id) {
    return planemap::NewAlignItem(true, planetext::kHAlign, planetext::kHAlign, planetext::kAlignDescription, id,
                                  false);
}

CBCGPProp* NewVAlignItem(DWORD_PTR id) {
    return planemap::NewAlignItem(false, planetext::kVAlignUpright, planetext::kAlignTopCaption,
                                  planetext::kAlignDescription, id, false);
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

const char* DirectionText(int direction) { return TextOfValue(kDirections, direction, grouptext::kVertical); }

UINT EditOwnTransparency(CQXLayer* layer, const CString& typeName, CBCGPProp* item) {
    const UINT transparent = ReadYesNo(item) ? 1 : 0;
    EditSameTypeFonts(layer, typeName, [&](QXLOGFONT& font) { font.transparent = transparent; });
    return transparent;
}

}  // namespace textlist
