#include "planemap/layers/PropListPie.h"

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropStyleCombox.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/SameTypeEdits.h"
#include "planemap/layers/LayerPage.h"
#include "planemap/layers/PieTexts.h"

namespace pt = pietext;
using namespace pieitems;

namespace {

constexpr const char* kShapeDescription = "选择图的类型";

// The symbol's three pens and the items that show each.
constexpr PenItems kPens[] = {
    {CPropListPie::kPenStyleId, CPropListPie::kPenWidthId, CPropListPie::kPenColorId, PenKind::kOutline},
    {CPropListPie::kIndicatorStyleId, CPropListPie::kIndicatorWidthId, CPropListPie::kIndicatorColorId,
     PenKind::kIndicator},
    {CPropListPie::kBottomStyleId, CPropListPie::kBottomWidthId, CPropListPie::kBottomColorId, PenKind::kBottom},
};

// The list reads every number by GetNumberProp (0 or more; 0 only from a text of digits, blanks
// and points), then fits it into its field.
bool ReadNumber(const CString& text, double* value) { return numtext::PositiveOrZeroNumber(text, value); }
// A number kept in a float at scale: the font size (hundredths) and the pen widths (as shown).
bool ReadFloatNumber(const CString& text, double scale, float* value) {
    double number = 0;
    return ReadNumber(text, &number) && numtext::FitFloat(number, scale, value);
}
// A number cut to an int: the bar count, and the offsets, which the item holds as whole numbers.
bool ReadIntNumber(const CString& text, int* value) {
    double number = 0;
    return ReadNumber(text, &number) && numtext::FitInt(number, 1, value);
}

TextRule NumberRule() { return ReaderRule(ReadNumber); }
TextRule FloatNumberRule(double scale) { return ReaderRule(&ReadFloatNumber, scale); }
TextRule SizeRowRule(SizeRow row) { return row == kBarCountRow ? ReaderRule(ReadIntNumber) : NumberRule(); }

// Line-style picker, width and colour of a pen group, in the group's own order.
void AddPenItems(CBCGPProp* group, DWORD_PTR styleId, DWORD_PTR widthId, DWORD_PTR colorId, const char* widthLabel,
                 const char* colorDescription) {
    group->AddSubItem(NewLineStylePicker(pt::kLineStyle, pt::kPenStyleDescription, styleId, ""));
    group->AddSubItem(NewWidthItem(widthLabel, widthId, "%.1f", FloatNumberRule(1)));
    group->AddSubItem(NewColorItem(pt::kColor, colorDescription, colorId));
}

}  // namespace

void CPropListPie::SetSameTypeFont(CQXLayer* layer, QXLOGFONT& font, const CString& typeName) {
    ForSameTypeObjects<CQXObjectPie>(layer, typeName, [&](CQXObjectPie* pie) { pie->SetFont(font); });
}

int CPropListPie::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    CBCGPProp* basic = NewGroup(pt::kBasic, kBasicGroupId, true);
    CBCGPProp* shape = NewTextItem(planetext::kType, kShapeDescription, kShapeId);
    shape->AllowEdit(FALSE);
    basic->AddSubItem(shape);
    m_wndPropList.AddProperty(basic);

    CBCGPProp* text = NewGroup(pt::kText, kTextGroupId, true);
    text->AddSubItem(NewFaceItem(pt::kFontFaceDescription, kFaceId));
    text->AddSubItem(NewFontSizeItem(pt::kFontSizeDescription, kFontSizeId, FloatNumberRule(numtext::kHundredths)));
    text->AddSubItem(NewColorItem(pt::kColor, pt::kFontColorDescription, kFontColorId));
    m_wndPropList.AddProperty(text);

    CBCGPProp* pen = NewGroup(pt::kLineStyle, kPenGroupId, true);
    AddPenItems(pen, kPenStyleId, kPenWidthId, kPenColorId, pt::kWidth, pt::kPenColorDescription);
    m_wndPropList.AddProperty(pen);

    CBCGPProp* place = NewGroup(planetext::kPosition, kPlaceGroupId, false);
    place->AddSubItem(NewIntItem(pt::kXMove, pt::kXMoveDescription, kXMoveId, ReaderRule(ReadIntNumber)));
    place->AddSubItem(NewIntItem(pt::kYMove, pt::kYMoveDescription, kYMoveId, ReaderRule(ReadIntNumber)));
    m_wndPropList.AddProperty(place);

    CBCGPProp* indicator = NewGroup(pt::kIndicator, kIndicatorGroupId, false);
    indicator->AddSubItem(NewYesNoList(pt::kDraw, "", nullptr, kIndicatorDrawId));
    AddPenItems(indicator, kIndicatorStyleId, kIndicatorWidthId, kIndicatorColorId, pt::kWidth,
                pt::kIndicatorColorDescription);
    m_wndPropList.AddProperty(indicator);

    CBCGPProp* bottom = NewGroup(pt::kBottomLine, kBottomGroupId, true);
    bottom->AddSubItem(NewYesNoList(pt::kDraw, "", nullptr, kBottomDrawId));
    bottom->AddSubItem(new CBCGPropSizeText(pt::kLength, _variant_t(pt::kBottomLengthInitial),
                                            pt::kBottomLengthDescription, kBottomLengthId, NumberRule()));
    AddPenItems(bottom, kBottomStyleId, kBottomWidthId, kBottomColorId, pt::kLineWidth, pt::kPenColorDescription);
    m_wndPropList.AddProperty(bottom);

    CBCGPProp* sizes = NewGroup(pt::kSize, kSizeGroupId, false, true);
    m_wndPropList.AddProperty(sizes);
    return 0;
}

CQXObjectPie* CPropListPie::ShownPie() const { return dynamic_cast<CQXObjectPie*>(m_pTarget); }

void CPropListPie::UpdateBCGPProperty(long object, CString) {
    if (!CheckTargetChanged(reinterpret_cast<CObject*>(object))) return;
    m_wndPropList.SetCurSel(nullptr);
    CQXObjectPie* pie = ShownPie();
    if (!pie) return;  // a point typed like the pies has none of their values
    RebuildSizes(*pie);
    SetItemText(FindItem(kShapeId), pt::ShapeName(pie->GetShapeType()));

    QXLOGFONT font;
    pie->GetFont(font);
    ShowFont(FindItem(kFaceId), FindItem(kFontSizeId), FindItem(kFontColorId), font);
    QXLOGPEN pen;
    pie->GetPen(pen);
    ShowPen(FindItem(kPenStyleId), FindItem(kPenWidthId), FindItem(kPenColorId), pen, 1);
    FindItem(kXMoveId)->SetValue(_variant_t(static_cast<long>(pie->GetXMove())));
    FindItem(kYMoveId)->SetValue(_variant_t(static_cast<long>(pie->GetYMove())));

    CBCGPProp* indicator = FindItem(kIndicatorGroupId);
    SetYesNoProp(FindItem(kIndicatorDrawId), pie->GetDrawOrgLine() == 1);
    EnableSubItems(indicator, 1, indicator->GetSubItemsCount(), pie->GetDrawOrgLine() != 0 ? TRUE : FALSE);
    QXLOGPEN orgPen;
    pie->GetDrawOrgLine(&orgPen);
    ShowPen(FindItem(kIndicatorStyleId), FindItem(kIndicatorWidthId), FindItem(kIndicatorColorId), orgPen, 1);
    ShowBottomLine(*pie);
}

// The size items of the shape, made again with their values.
void CPropListPie::RebuildSizes(CQXObjectPie& pie) {
    CBCGPProp* group = FindItem(kSizeGroupId);
    DeleteAllSubItems(group);
    const int shape = pie.GetShapeType();
    AddSizeItems(group, shape, kSizeIds, SizeRowRule);
    const ShapeSizes& sizes = SizesOf(shape);
    for (int i = 0; i < sizes.count; ++i) SetItemText(group->GetSubItem(i), SizeText(pie, sizes.row[i]));
    SetCountOptions(FindItem(kBarCountId), 1, pie.GetRecordCount() - 1);
    AdjustLayout();
    group->Expand(TRUE);
}

// Only the bar charts draw a bottom line: for every other shape the shown symbol's is switched off
// (once: a symbol already off is left alone, so showing it does not touch it).
void CPropListPie::ShowBottomLine(CQXObjectPie& pie) {
    CBCGPProp* bottom = FindItem(kBottomGroupId);
    CBCGPProp* draw = FindItem(kBottomDrawId);
    const bool bar = pt::IsBarShape(pie.GetShapeType());
    if (!bar && pie.GetDrawBotLine() != 0) pie.SetDrawBotLine(0);
    SetYesNoProp(draw, bar && pie.GetDrawBotLine() == 1);
    draw->Enable(bar ? TRUE : FALSE);
    EnableSubItems(bottom, 1, bottom->GetSubItemsCount(), bar ? TRUE : FALSE);
    SetItemText(FindItem(kBottomLengthId), Number(pie.GetBotWidth()));
    QXLOGPEN botPen;
    pie.GetBotPen(botPen);
    ShowPen(FindItem(kBottomStyleId), FindItem(kBottomWidthId), FindItem(kBottomColorId), botPen, 1);
    bottom->Expand(FALSE);
    bottom->Expand(TRUE);
}

// Every number item reads by the reader its edit reads it by, so no refused text comes here.
LRESULT CPropListPie::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (CQXObjectPie* pie = ShownPie(); item && pie) ApplyEdit(*pie, item);
    UpdateView();
    return 0;
}

void CPropListPie::ShowItemAgain(CBCGPProp* item) {
    if (CQXObjectPie* pie = ShownPie(); pie && item) ShowStored(*pie, item);
    CWndLstPlane::ShowItemAgain(item);
}

void CPropListPie::ShowStored(CQXObjectPie& pie, CBCGPProp* item) {
    ShowStoredSymbolNumber<CPropListPie>(pie, item, kPens, 1);
}

void CPropListPie::ApplyEdit(CQXObjectPie& pie, CBCGPProp* item) {
    CQXLayer* layer = pie.GetLayer();
    const CString typeName = pie.GetTypeName();
    const CString text = ItemText(item);
    QXLOGFONT font;
    pie.GetFont(font);
    double value = 0;
    auto readSize = [](const CString& size, float* hundredths) {
        return ReadFloatNumber(size, numtext::kHundredths, hundredths);
    };
    switch (item->GetData()) {
        case kFaceId:
        case kFontSizeId:
        case kFontColorId:
            if (layerpage::ReadGroupEdit(item, font, readSize)) SetSameTypeFont(layer, font, typeName);
            return;
        case kXMoveId:
        case kYMoveId: {
            int move = 0;
            if (ReadIntNumber(text, &move))
                SetSameTypeObjects(layer,
                                   item->GetData() == kXMoveId ? &CQXObjectPie::SetXMove : &CQXObjectPie::SetYMove,
                                   move, typeName);
            return;
        }
        case kIndicatorDrawId: {
            const int draw = ReadYesNo(item) ? 1 : 0;
            SetSameTypeObjects(layer, static_cast<void (CQXObjectPie::*)(int)>(&CQXObjectPie::SetDrawOrgLine), draw,
                               typeName);
            CBCGPProp* group = FindItem(kIndicatorGroupId);
            EnableSubItems(group, 1, group->GetSubItemsCount(), draw ? TRUE : FALSE);
            return;
        }
        case kBottomDrawId: {
            const int draw = ReadYesNo(item) ? 1 : 0;
            SetSameTypeObjects(layer, &CQXObjectPie::SetDrawBotLine, draw, typeName);
            CBCGPProp* group = FindItem(kBottomGroupId);
            EnableSubItems(group, 1, group->GetSubItemsCount(), draw ? TRUE : FALSE);
            return;
        }
        case kBottomLengthId:
            if (ReadNumber(text, &value)) SetSameTypeObjects(layer, &CQXObjectPie::SetBotWidth, value, typeName);
            return;
        default:
            if (SizeRowOf(kSizeIds, item->GetData()) != kSizeRowCount)
                ApplySizeEdit(pie, item);
            else
                ApplyPenEdit(pie, item);
    }
}

// The outline, indicator and bottom pens keep their widths as shown, in millimetres. Each edit
// gives every symbol of the type the shown symbol's pen with the one field changed.
void CPropListPie::ApplyPenEdit(CQXObjectPie& pie, CBCGPProp* item) {
    const PenItems* pen = PenOf(kPens, item->GetData());
    if (!pen) return;  // groups and the read-only shape write nothing
    QXLOGPEN record = ReadPen(pie, pen->kind);
    auto readWidth = [](const CString& text, float* width) { return ReadFloatNumber(text, 1, width); };
    if (!layerpage::ReadGroupEdit(item, record, readWidth, layerpage::FieldIndex(FindItem(pen->style)))) return;
    ForSameTypeObjects<CQXObjectPie>(pie.GetLayer(), pie.GetTypeName(),
                                     [&](CQXObjectPie* object) { WritePen(*object, pen->kind, record); });
}

void CPropListPie::ApplySizeEdit(CQXObjectPie& pie, CBCGPProp* item) {
    const SizeRow row = SizeRowOf(kSizeIds, item->GetData());
    const CString text = ItemText(item);
    if (row == kBarCountRow) {
        int count = 0;
        if (ReadIntNumber(text, &count))
            SetSameTypeObjects(pie.GetLayer(), &CQXObjectPie::SetUpPropCount, count, pie.GetTypeName());
        return;
    }
    double value = 0;
    if (!ReadNumber(text, &value)) return;
    ForSameTypeObjects<CQXObjectPie>(pie.GetLayer(), pie.GetTypeName(),
                                     [&](CQXObjectPie* object) { SetSizeValue(*object, row, value); });
}
