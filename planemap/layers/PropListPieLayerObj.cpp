#include "planemap/layers/PropListPieLayerObj.h"

#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Moraine/PlaneFunc.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectCoordinate.h"
#include "planemap/PlaneItems.h"
#include "planemap/PlaneReaders.h"
#include "planemap/PlaneTexts.h"
#include "planemap/RecordEdits.h"
#include "planemap/layers/PieTexts.h"

namespace pt = pietext;
using namespace pieitems;
using kel::plane::CPieLayer;
using Page = CPropListPieLayerObj;

namespace {

namespace otext {
inline constexpr const char* kPointBorderColor = "边界颜色";
inline constexpr const char* kPointFillColor = "填充颜色";
inline constexpr const char* kPointFillDescription = "指定填充线颜色";
inline constexpr const char* kWholePlace = "整体位置";
inline constexpr const char* kDataPositions = "属性位置";
inline constexpr const char* kDrawStyles = "属性显示样式";
inline constexpr const char* kControl = "控制";
inline constexpr const char* kRadiusMode = "方式";
inline constexpr const char* kRadiusModeDescription = "指定绘制的方式：固定半径还是按比例绘制";
inline constexpr const char* kFixed = "固定";
inline constexpr const char* kProportional = "比例";
inline constexpr const char* kNullShow = "空值";
inline constexpr const char* kEachMax = "独立比例";
inline constexpr const char* kScale = "比例尺";
inline constexpr const char* kScaleFactor = "缩放系数";
inline constexpr const char* kContentFormat = "内容%d";
inline constexpr const char* kContentDescription = "选择显示的文本内容";
inline constexpr const char* kTextPosDescription = "设置文本位置";
inline constexpr const char* kDataPosDescription = "选择属性绘制位置";
inline constexpr const char* kBarChart = "条形图";
inline constexpr const char* kLineChart = "折线图";
inline constexpr const char* kMiddle = "中部";
}  // namespace otext

// Radius modes: "固定" a fixed radius, any other text a radius in proportion to the data (the
// value is the layer's fixed-radius flag).
constexpr TextValue kRadiusModes[] = {{otext::kFixed, 1}, {otext::kProportional, 0}};

// Any other text is the middle.
constexpr TextValue kTextPositions[] = {
    {"顶部内侧", 0},
    {"顶部外侧", 1},
    {otext::kMiddle, 2},
    {"底部", 3},
};
// Any text but "条形图" is the line chart.
constexpr TextValue kDrawTypes[] = {{otext::kBarChart, kel::plane::DMB_BAR}, {otext::kLineChart, kel::plane::DMB_LINE}};
constexpr const char* kHalfPiePositions[] = {"上半圆", "下半圆"};
constexpr const char* kBarPositions[] = {"上", "下"};
constexpr int kContentLines = 3;
constexpr int kLargestDecimals = 5;
constexpr int kLargestScaleFactor = 10;

// ---- the readers of the typed numbers, each also the rule of its items ----

// An offset: a whole number of any sign; 0 only from a text that is a number.
bool ReadOffset(const CString& text, int* value) {
    int whole = 0;
    if (!numtext::LeadingInt(text, &whole) || (whole == 0 && !kel::plane::CPlaneFunc::IsEffectiveFigure(text)))
        return false;
    *value = whole;
    return true;
}

// The indicator and bottom pens keep their widths as shown: ReadZeroOrMore, in a float.
bool ReadShownWidth(const CString& text, float* width) {
    double value = 0;
    return planemap::ReadZeroOrMore(text, &value) && numtext::FitFloat(value, 1, width);
}

// The bar count: ReadZeroOrMore, cut to an int.
bool ReadBarCount(const CString& text, int* count) {
    double value = 0;
    return planemap::ReadZeroOrMore(text, &value) && numtext::FitInt(value, 1, count);
}

TextRule SizeRowRule(SizeRow row) {
    switch (row) {
        case kRadiusRow:
        case kUpRadiusRow:
        case kDownRadiusRow:
            return planemap::ZeroOrMoreRule();
        case kBarCountRow:
            return ReaderRule(ReadBarCount);
        default:
            return planemap::LengthRule(1);  // the bar sizes: a text that is no number reads as 0
    }
}

// A content line's list: every content text is taken, also one the shape does not offer ("百分比"
// beside the two percentages of multi-column bars), any other text shows nothing (0); a code the
// shape does not show shows "不显示", as the refresh shows it.
template <std::size_t N>
CFixedListProp* NewContentList(const CString& label, const char* shown, DWORD_PTR id, const TextValue (&options)[N]) {
    CFixedListProp* list = NewFixedListItem(label, shown, otext::kContentDescription, id, options, OtherTakenAs(0));
    list->SetOtherRule([](const CString& text, int* value) {
        *value = Page::TextShowStyleFromName(text);
        return true;
    });
    list->ShowUnlistedAs(pt::kNoText);
    return list;
}

// Rows 1 onward of a group enabled or disabled.
void EnableRows(CBCGPProp* group, bool enable) {
    if (group) EnableSubItems(group, 1, group->GetSubItemsCount(), enable ? TRUE : FALSE);
}

// Property 1 or 2 of a dynamic multi-column bar chart.
int DrawTypeProperty(DWORD_PTR id) { return static_cast<int>(id - Page::kDrawType1Id) + 1; }

bool IsPie(int shape) { return shape == pt::kFullPie || shape == pt::kHalfPie; }

// The layer's three pens and the items that show each; the outline pen keeps its width in
// hundredths, the indicator and bottom pens as shown.
constexpr PenItems kPens[] = {
    {Page::kPenStyleId, Page::kPenWidthId, Page::kPenColorId, PenKind::kOutline},
    {Page::kIndicatorStyleId, Page::kIndicatorWidthId, Page::kIndicatorColorId, PenKind::kIndicator},
    {Page::kBottomStyleId, Page::kBottomWidthId, Page::kBottomColorId, PenKind::kBottom},
};
constexpr double kOutlineDivisor = 100;

// The first coordinate system among the layer's objects that passes the test; NULL for none.
template <class Test>
CQXObjectCoordinate* FindCoordinate(CQXLayer* layer, Test test) {
    const int n = layer ? layer->GetObjectCount() : 0;
    for (int i = 0; i < n; ++i)
        if (auto* axes = dynamic_cast<CQXObjectCoordinate*>(layer->GetObjectG(i)))
            if (test(*axes)) return axes;
    return nullptr;
}

}  // namespace

int CPropListPieLayerObj::TextShowStyleFromName(const CString& text) { return ValueOfText(pt::kAllContents, text, 0); }

int CPropListPieLayerObj::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewGroup(pt::kText, kTextGroupId, true, true));

    CBCGPProp* pen = NewGroup(pt::kLineStyle, kPenGroupId, false);
    pen->AddSubItem(NewLineStylePicker(pt::kLineStyle, pt::kPenStyleDescription, kPenStyleId, ""));
    pen->AddSubItem(NewWidthItem(pt::kWidth, kPenWidthId, "%.1f", planemap::WidthRule()));
    pen->AddSubItem(NewColorItem(pt::kColor, pt::kPenColorDescription, kPenColorId));
    m_wndPropList.AddProperty(pen);

    CBCGPProp* point = NewGroup(planetext::kPointGroup, kPointGroupId, false);
    point->AddSubItem(NewPointStylePicker(grouptext::kPointStyle, pt::kPenStyleDescription, kPointStyleId));
    CBCGPProp* pointSize = NewWidthItem(pt::kSize, kPointSizeId, "%.2f", planemap::WidthRule());
    pointSize->SetDescription(grouptext::kPointSizeDescription);
    point->AddSubItem(pointSize);
    point->AddSubItem(NewColorItem(otext::kPointBorderColor, pt::kPenColorDescription, kPointBorderColorId));
    point->AddSubItem(NewColorItem(otext::kPointFillColor, otext::kPointFillDescription, kPointFillColorId));
    m_wndPropList.AddProperty(point);

    CBCGPProp* place = NewGroup(otext::kWholePlace, kPlaceGroupId, false);
    place->AddSubItem(NewIntItem(pt::kXMove, pt::kXMoveDescription, kXMoveId, ReaderRule(ReadOffset)));
    place->AddSubItem(NewIntItem(pt::kYMove, pt::kYMoveDescription, kYMoveId, ReaderRule(ReadOffset)));
    m_wndPropList.AddProperty(place);

    m_wndPropList.AddProperty(NewGroup(otext::kDataPositions, kDataPosGroupId, false, true));

    CBCGPProp* indicator = NewGroup(pt::kIndicator, kIndicatorGroupId, false);
    indicator->AddSubItem(NewYesNoList(pt::kDraw, "", nullptr, kIndicatorDrawId));
    indicator->AddSubItem(NewLineStylePicker(pt::kLineStyle, pt::kPenStyleDescription, kIndicatorStyleId, ""));
    indicator->AddSubItem(NewWidthItem(pt::kWidth, kIndicatorWidthId, "%.1f", ReaderRule(ReadShownWidth)));
    indicator->AddSubItem(NewColorItem(pt::kColor, pt::kIndicatorColorDescription, kIndicatorColorId));
    m_wndPropList.AddProperty(indicator);

    CBCGPProp* bottom = NewGroup(pt::kBottomLine, kBottomGroupId, true);
    bottom->AddSubItem(NewYesNoList(pt::kDraw, "", nullptr, kBottomDrawId));
    bottom->AddSubItem(new CBCGPropSizeText(pt::kLength, _variant_t(pt::kBottomLengthInitial),
                                            pt::kBottomLengthDescription, kBottomLengthId, planemap::ZeroOrMoreRule()));
    bottom->AddSubItem(NewLineStylePicker(pt::kLineStyle, pt::kPenStyleDescription, kBottomStyleId, ""));
    bottom->AddSubItem(NewWidthItem(pt::kLineWidth, kBottomWidthId, "%.1f", ReaderRule(ReadShownWidth)));
    bottom->AddSubItem(NewColorItem(pt::kColor, pt::kPenColorDescription, kBottomColorId));
    m_wndPropList.AddProperty(bottom);

    CBCGPProp* control = NewGroup(otext::kControl, kControlGroupId, true);
    control->AddSubItem(NewFixedListItem(otext::kRadiusMode, "", otext::kRadiusModeDescription, kRadiusModeId,
                                         kRadiusModes, OtherTakenAs(0), true));
    control->AddSubItem(NewYesNoList(otext::kNullShow, "", nullptr, kNullShowId));
    m_wndPropList.AddProperty(control);

    CBCGPProp* sizes = NewGroup(pt::kSize, kSizeGroupId, true, true);
    AddSizeItems(sizes, pt::kFullPie, kSizeIds, SizeRowRule);
    m_wndPropList.AddProperty(sizes);

    CBCGPProp* scale = NewGroup(otext::kScale, kScaleGroupId, true, true);
    scale->AddSubItem(NewYesNoList(pt::kDraw, "", nullptr, kScaleDrawId));
    CBCGPProp* factor = new CBCGPropSizeText(otext::kScaleFactor, _variant_t("1"), otext::kScaleFactor, kScaleFactorId,
                                             planemap::CountRule());  // the factor has no sign
    SetCountOptions(factor, 1, kLargestScaleFactor);
    factor->AllowEdit(TRUE);
    scale->AddSubItem(factor);
    m_wndPropList.AddProperty(scale);
    return 0;
}

void CPropListPieLayerObj::RefreshLayer(CPieLayer& layer) {
    m_wndPropList.SetCurSel(nullptr);
    const int records = layer.GetRecordCount();
    const int shape = layer.GetShapeType();
    const bool rebuilt = shape != m_nBuiltShape && shape >= 0 && shape < pt::kShapeCount;
    if (rebuilt) RebuildSizes(shape);
    RebuildTexts(layer, shape);

    QXLOGPEN pen;
    layer.GetPen(pen);
    ShowPen(FindItem(kPenStyleId), FindItem(kPenWidthId), FindItem(kPenColorId), pen, kOutlineDivisor);
    ShowPoint(layer);
    FindItem(kXMoveId)->SetValue(_variant_t(static_cast<long>(layer.GetXMove())));
    FindItem(kYMoveId)->SetValue(_variant_t(static_cast<long>(layer.GetYMove())));
    SetItemText(FindItem(kRadiusModeId), layer.GetFixRadius() != 0 ? otext::kFixed : otext::kProportional);
    SetYesNoProp(FindItem(kNullShowId), layer.GetNULLShow() == 1);
    RebuildDataPositions(layer, shape, records);

    SetYesNoProp(FindItem(kIndicatorDrawId), layer.GetDrawOrgLine() == 1);
    EnableRows(FindItem(kIndicatorGroupId), layer.GetDrawOrgLine() == 1);
    QXLOGPEN orgPen;
    layer.GetDrawOrgLine(&orgPen);
    ShowPen(FindItem(kIndicatorStyleId), FindItem(kIndicatorWidthId), FindItem(kIndicatorColorId), orgPen, 1);
    ShowBottomLine(layer, shape);
    ShowSizes(layer, shape, records, rebuilt);
    ShowScale(layer, shape);
    for (DWORD_PTR id : {kDrawType1Id, kDrawType2Id})
        if (CBCGPProp* row = FindItem(id))
            SetItemText(row, TextOfValue(kDrawTypes, layer.GetDynamicMultiBarDrawType(DrawTypeProperty(id)),
                                         otext::kLineChart));
    m_nBuiltShape = rebuilt ? shape : m_nBuiltShape;
    m_nBuiltRecords = records;
}

void CPropListPieLayerObj::RebuildSizes(int shape) {
    CBCGPProp* group = FindItem(kSizeGroupId);
    DeleteAllSubItems(group);
    m_wndPropList.SetCurSel(nullptr);
    AddSizeItems(group, shape, kSizeIds, SizeRowRule);
    if (shape != pt::kFullPie && shape != pt::kHalfPie)
        group->AddSubItem(NewYesNoList(otext::kEachMax, "", nullptr, kEachMaxId));
    group->Expand(TRUE);
}

void CPropListPieLayerObj::RebuildTexts(CPieLayer& layer, int shape) {
    CBCGPProp* group = FindItem(kTextGroupId);
    DeleteAllSubItems(group);
    const bool multiBar = shape == pt::kMultiBar;
    for (int line = 1; line <= kContentLines; ++line) {
        const int code = layer.GetTextShowStyle(line);
        const char* shown = multiBar ? TextOfValue(pt::kBarContents, code, pt::kNoText)
                                     : TextOfValue(pt::kOtherContents, code, pt::kNoText);
        CString label;
        label.Format(otext::kContentFormat, line);
        const DWORD_PTR id = kFirstContentId + line - 1;
        group->AddSubItem(multiBar ? NewContentList(label, shown, id, pt::kBarContents)
                                   : NewContentList(label, shown, id, pt::kOtherContents));
    }
    QXLOGFONT font;
    layer.GetFont(font);
    group->AddSubItem(NewFaceItem(pt::kFontFaceDescription, kFaceId));
    group->AddSubItem(NewFontSizeItem(pt::kFontSizeDescription, kFontSizeId, planemap::WidthRule()));
    group->AddSubItem(NewColorItem(pt::kColor, pt::kFontColorDescription, kFontColorId));
    ShowFont(FindItem(kFaceId), FindItem(kFontSizeId), FindItem(kFontColorId), font);
    CBCGPProp* decimals =
        NewOptionItem(planetext::kDecimals, Count(layer.GetDotCount()), planetext::kDecimals, kDecimalsId, {}, false);
    SetCountOptions(decimals, 1, kLargestDecimals);
    group->AddSubItem(decimals);
    if (shape == pt::kMultiBar || shape == pt::kMultiState) {
        group->AddSubItem(NewFixedListItem(planetext::kPosition,
                                           TextOfValue(kTextPositions, layer.GetTextPos(), otext::kMiddle),
                                           otext::kTextPosDescription, kTextPosId, kTextPositions, OtherTakenAs(2)));
    }
    group->Expand(FALSE);
    group->Expand(TRUE);
    AdjustLayout();
}

// Where each property is drawn (half pies and multi-column bars of non-dynamic data), or how the
// two properties of a dynamic multi-column bar chart are drawn.
void CPropListPieLayerObj::RebuildDataPositions(CPieLayer& layer, int shape, int records) {
    CBCGPProp* group = FindItem(kDataPosGroupId);
    group->SetName(otext::kDataPositions);
    group->Expand(FALSE);
    DeleteAllSubItems(group);
    const bool dynamic = layer.GetDataType() == pt::kDynamicData;
    bool added = false;
    if ((shape == pt::kHalfPie || shape == pt::kMultiBar) && !dynamic) {
        const char* const* options = shape == pt::kHalfPie ? kHalfPiePositions : kBarPositions;
        const int rows = records < pt::kMaxProperties ? records : pt::kMaxProperties;
        for (int i = 0; i < rows; ++i) {
            CBCGPProp* row = NewOptionItem(pt::PropertyLabel(i + 1), layer.GetDataPos(i), otext::kDataPosDescription,
                                           kFirstDataPosId + i, {}, false);
            row->AddOption(options[0]);
            row->AddOption(options[1]);
            group->AddSubItem(row);
        }
        added = rows > 0;
    } else if (layer.IsDynamicMultiBar()) {
        group->SetName(otext::kDrawStyles);
        for (int property = 1; property <= 2; ++property) {
            group->AddSubItem(NewFixedListItem(pt::PropertyLabel(property), "", "", kDrawType1Id + property - 1,
                                               kDrawTypes, OtherTakenAs(kel::plane::DMB_LINE)));
        }
        added = true;
    }
    if (added) group->Expand(TRUE);
    AdjustLayout();
}

void CPropListPieLayerObj::ShowPoint(CPieLayer& layer) {
    CBCGPProp* group = FindItem(kPointGroupId);
    const bool dynamic = layer.IsDynamicMultiBar() != 0;
    EnablePropRecursive(group, dynamic ? TRUE : FALSE);
    group->Expand(dynamic ? TRUE : FALSE);
    if (!dynamic) return;
    QXLOGPOINT point;
    layer.GetDynamicMultiBarPoint(point);
    QXLOGPEN asPen;  // the picker and the size show like a pen's style and width
    asPen.style = point.style;
    asPen.width = point.size;
    asPen.color = point.borderColor;
    ShowPen(FindItem(kPointStyleId), FindItem(kPointSizeId), FindItem(kPointBorderColorId), asPen, 100);
    ShowColor(FindItem(kPointFillColorId), point.innerColor);
}

// Only the bar charts draw a bottom line: for every other shape the layer's is switched off.
void CPropListPieLayerObj::ShowBottomLine(CPieLayer& layer, int shape) {
    CBCGPProp* group = FindItem(kBottomGroupId);
    CBCGPProp* draw = FindItem(kBottomDrawId);
    const bool bar = pt::IsBarShape(shape);
    if (bar) {
        SetYesNoProp(draw, layer.GetDrawBotLine() == 1);
    } else {
        SetYesNoProp(draw, false);
        group->Expand(FALSE);
        if (layer.GetDrawBotLine() != 0) layer.SetDrawBotLine(0);  // switched off once, not at every showing
    }
    draw->Enable(bar ? TRUE : FALSE);
    EnableRows(group, bar);
    SetItemText(FindItem(kBottomLengthId), Number(layer.GetBotWidth()));
    QXLOGPEN botPen;
    layer.GetBotPen(botPen);
    ShowPen(FindItem(kBottomStyleId), FindItem(kBottomWidthId), FindItem(kBottomColorId), botPen, 1);
}

void CPropListPieLayerObj::ShowSizes(CPieLayer& layer, int shape, int records, bool rebuilt) {
    const ShapeSizes& sizes = SizesOf(shape);
    // A "条数" made afresh has no options yet, whatever the count it was last filled for.
    if (sizes.count && sizes.row[0] == kBarCountRow && (rebuilt || records != m_nBuiltRecords))
        SetCountOptions(FindItem(kBarCountId), 1, records - 1);
    for (int i = 0; i < sizes.count; ++i) SetItemText(FindItem(kSizeIds[sizes.row[i]]), SizeText(layer, sizes.row[i]));
    if (sizes.count && shape != pt::kFullPie && shape != pt::kHalfPie)
        SetYesNoProp(FindItem(kEachMaxId), layer.GetEachMax() == 1);
}

void CPropListPieLayerObj::ShowScale(CPieLayer& layer, int shape) {
    SetYesNoProp(FindItem(kScaleDrawId), layer.GetDrawCorrdinate() == 1);
    const bool proportional = ItemText(FindItem(kRadiusModeId)) == otext::kProportional;
    CBCGPProp* draw = FindItem(kScaleDrawId);
    CBCGPProp* factor = FindItem(kScaleFactorId);
    draw->Enable(proportional && IsPie(shape) ? TRUE : FALSE);
    factor->Enable(proportional && IsPie(shape) ? TRUE : FALSE);
    ShowScaleFactor(layer, factor);
}

// The factor of the first coordinate system whose factor is one of the options; the item keeps its
// text when there is none (false).
bool CPropListPieLayerObj::ShowScaleFactor(CPieLayer& layer, CBCGPProp* factor) {
    CQXObjectCoordinate* axes = FindCoordinate(layer.GetLayer(), [](const CQXObjectCoordinate& a) {
        return a.GetAxisXFactor() >= 1 && a.GetAxisXFactor() <= kLargestScaleFactor;
    });
    if (axes) SetItemText(factor, Count(static_cast<int>(axes->GetAxisXFactor())));
    return axes != nullptr;
}

// Every number item but the decimals (an option item) reads by the reader its edit reads it by, so
// only a count of decimals reported from code is refused here.
bool CPropListPieLayerObj::OnLayerItemChanged(CPieLayer& layer, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    const CString text = ItemText(item);
    QXLOGFONT font;
    layer.GetFont(font);
    QXLOGPOINT point;
    layer.GetDynamicMultiBarPoint(point);
    double value = 0;
    int whole = 0;
    switch (id) {
        case kFaceId:
        case kFontSizeId:
        case kFontColorId:
            if (layerpage::ReadGroupEdit(item, font, &planemap::ReadWidth, layerpage::FieldIndex(FindItem(kFaceId))))
                layer.SetFont(font);
            return true;
        case kTextPosId:
            if (!ReadFixedList(item, &whole)) return false;
            layer.SetTextPos(whole);
            return true;
        case kDecimalsId:
            if (!numtext::LeadingNumber(text, &value) || !numtext::FitInt(value, 1, &whole)) return false;
            layer.SetDotCount(whole);
            return true;
        case kXMoveId:
        case kYMoveId:
            // Offsets may be negative.
            if (!ReadOffset(text, &whole)) return true;
            if (id == kXMoveId)
                layer.SetXMove(whole);
            else
                layer.SetYMove(whole);
            return true;
        case kRadiusModeId: {
            if (!ReadFixedList(item, &whole)) return false;
            const bool fixed = whole == 1;
            if (fixed && layer.GetLayer()) layer.GetLayer()->RemoveAllSelectedObject(nullptr, nullptr);
            layer.SetFixRadius(whole);
            const bool pie = IsPie(layer.GetShapeType());
            FindItem(kScaleDrawId)->Enable(!fixed && pie ? TRUE : FALSE);
            FindItem(kScaleFactorId)->Enable(!fixed && pie && layer.GetDrawCorrdinate() != 0 ? TRUE : FALSE);
            return true;
        }
        case kNullShowId:
            layer.SetNULLShow(ReadYesNo(item) ? 1 : 0);
            return true;
        case kIndicatorDrawId: {
            const bool draw = ReadYesNo(item);
            layer.SetDrawOrgLine(draw ? 1 : 0);
            EnableRows(FindItem(kIndicatorGroupId), draw);
            return true;
        }
        case kEachMaxId:
            layer.SetEachMax(ReadYesNo(item) ? 1 : 0);
            return true;
        case kScaleDrawId: {
            const bool draw = ReadYesNo(item);
            layer.SetDrawCorrdinate(draw ? 1 : 0);
            FindItem(kScaleFactorId)->Enable(draw && IsPie(layer.GetShapeType()) ? TRUE : FALSE);
            return true;
        }
        case kScaleFactorId: {
            if (!planemap::ReadCount(text, &whole)) return true;
            if (whole == 0) SetItemText(item, Count(whole));  // a typed "-0" would keep its sign
            if (CQXObjectCoordinate* axes =
                    FindCoordinate(layer.GetLayer(), [](const CQXObjectCoordinate&) { return true; }))
                axes->SetAxisXFactor(static_cast<unsigned>(whole));
            return true;
        }
        case kBottomDrawId:
            layer.SetDrawBotLine(ReadYesNo(item) ? 1 : 0);
            return true;
        case kBottomLengthId:
            if (planemap::ReadZeroOrMore(text, &value)) layer.SetBotWidth(value);
            return true;
        case kDrawType1Id:
        case kDrawType2Id:
            // Property 29 of a half pie shares these ids; only a dynamic bar chart has these rows.
            if (layer.IsDynamicMultiBar()) {
                if (!ReadFixedList(item, &whole)) return false;
                layer.SetDynamicMultiBarDrawType(DrawTypeProperty(id),
                                                 static_cast<kel::plane::DynamicMultiBarDrawType>(whole));
                return true;
            }
            break;
        case kPointStyleId:
        case kPointSizeId:
        case kPointBorderColorId:
        case kPointFillColorId:
            if (layerpage::ReadGroupEdit(item, point)) layer.SetDynamicMultiBarPoint(point);
            return true;
        default:
            break;
    }
    if (id >= kFirstContentId && id <= kLastContentId) {
        if (!ReadFixedList(item, &whole)) return false;
        layer.SetTextShowStyle(static_cast<int>(id - kFirstContentId) + 1, whole);
        return true;
    }
    if (id >= kFirstDataPosId && id < kFirstDataPosId + pt::kMaxProperties) {
        layer.SetDataPos(static_cast<int>(id - kFirstDataPosId), text);
        return true;
    }
    if (PenOf(kPens, id))
        ApplyPenEdit(layer, item);
    else if (SizeRowOf(kSizeIds, id) != kSizeRowCount)
        ApplySizeEdit(layer, item);
    return true;  // groups and items the page does not handle write nothing
}

// A refused number shows the stored value as the refresh shows it; other items keep their text.
void CPropListPieLayerObj::ShowStoredItem(CPieLayer& layer, CBCGPProp* item) {
    if (ShowStoredSymbolNumber<Page>(layer, item, kPens, kOutlineDivisor)) return;
    const DWORD_PTR id = item->GetData();
    if (id == kDecimalsId) {
        SetItemText(item, Count(layer.GetDotCount()));
    } else if (id == kPointSizeId) {
        QXLOGPOINT point;
        layer.GetDynamicMultiBarPoint(point);
        SetItemText(item, Number(point.size / 100.0));
    } else if (id == kScaleFactorId) {
        // With no factor stored to show, the item keeps its text from before the refused one.
        ShowScaleFactor(layer, item);
    }
}

// The pen whose item is edited, with its one field changed (the width items read by these readers).
void CPropListPieLayerObj::ApplyPenEdit(CPieLayer& layer, CBCGPProp* item) {
    const PenItems* items = PenOf(kPens, item->GetData());
    QXLOGPEN pen = ReadPen(layer, items->kind);
    if (layerpage::ReadGroupEdit(item, pen, items->kind == PenKind::kOutline ? &planemap::ReadWidth : &ReadShownWidth,
                                 layerpage::FieldIndex(FindItem(items->style))))
        WritePen(layer, items->kind, pen);
}

// Radii and the bar count follow ReadZeroOrMore; the bar sizes take any number of 0 or more (each
// row's item reads by its row's reader, see SizeRowRule).
void CPropListPieLayerObj::ApplySizeEdit(CPieLayer& layer, CBCGPProp* item) {
    const SizeRow row = SizeRowOf(kSizeIds, item->GetData());
    const CString text = ItemText(item);
    double value = 0;
    switch (row) {
        case kRadiusRow:
        case kUpRadiusRow:
        case kDownRadiusRow:
            if (!planemap::ReadZeroOrMore(text, &value)) return;
            SetSizeValue(layer, row, value);
            if (row == kRadiusRow) layer.UpdatePieCoordinate();
            return;
        case kBarCountRow: {
            int count = 0;
            if (ReadBarCount(text, &count)) layer.SetUpPropCount(count);
            return;
        }
        default:
            if (planemap::ReadLength(text, 1, &value)) SetSizeValue(layer, row, value);
            return;
    }
}
