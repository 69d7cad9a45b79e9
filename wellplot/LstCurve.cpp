#include "wellplot/LstCurve.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cstring>
#include <functional>
#include <string>

#include "bcg/ColorProp.h"
#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropEx.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Osprey/TableDefinition.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Rivet/GeneralDataManager.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "wellplot/KitPage.h"
#include "wellplot/KitWalk.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"
#include "win32/Text.h"

namespace {

// Texts of the page.
constexpr const char* kThisCurve = "当前曲线";
constexpr const char* kTrackCurves = "同道内所有曲线";
constexpr const char* kTrackKits = "同道内所有内容";
constexpr const char* kPlotCurves = "当前图内所有曲线";
constexpr const char* kPlotKits = "当前图内所有内容";
constexpr const char* kUnassigned = "未指定";
constexpr const char* kUnboundCurve = "WpCve";  // the name of a curve not yet bound to data
constexpr const char* kLeftToRight = "从左到右";
constexpr const char* kRightToLeft = "从右到左";
constexpr const char* kLogarithmic = "对数";
constexpr const char* kLinear = "线性";
constexpr const char* kAddFill = "添加新填充";
constexpr const char* kHideAll = "全部隐藏";
constexpr const char* kShowAll = "全部显示";
constexpr const char* kDeleteAll = "全部删除";
constexpr const char* kFillPrefix = "填充";
constexpr const char* kNoFill = "<添加...>";
constexpr const char* kDelete = "删除";
constexpr const char* kBorderTarget = "边框";
constexpr const char* kMiddleTarget = "中线";
constexpr const char* kValueTarget = "指定值线";
constexpr const char* kLineStyle = "线型";
constexpr const char* kArrangement = "排列";
constexpr const char* kBelowLineStyle = "线型样式下";

// Option tables, each in the order its item offers the texts.
const TextValue kSources[] = {
    {"井数据", 1}, {"岩心分析", 3}, {"离散数据", 2}, {"点数据1", 4}, {"点数据2", 5}, {"点数据3", 6}, {"图形", 0},
};
const TextValue kForms[] = {
    {"曲线", 0}, {"散点", 1}, {"杆棒", 2}, {"方波", 3}, {"散点 + 曲线", 4}, {"杆棒 + 曲线", 5}, {"方波 + 曲线", 6},
};
const TextValue kTitleScopes[] = {
    {kThisCurve, 0}, {kTrackCurves, 1}, {kTrackKits, 2}, {kPlotCurves, 3}, {kPlotKits, 4},
};
const TextValue kScopes[] = {{kThisCurve, 0}, {kTrackCurves, 1}, {kPlotCurves, 2}};
const TextValue kUnitAligns[] = {{"曲线名称右", -1}, {"曲线名称下", 0}, {kBelowLineStyle, 1}};
const TextValue kLimitShows[] = {{"全显示", 1}, {"全隐藏", 0}, {"仅显示刻度", 2}, {"仅显示线", 3}};
const TextValue kLimitAligns[] = {{"线型样式上", -1}, {"线型样式中", 0}, {kBelowLineStyle, 1}};
const TextValue kRangeTypes[] = {{"固定刻度范围", 0}, {"整条曲线刻度范围", 1}, {"可见段刻度范围", 2}};
// The two-way switches, each reading any other text as its second option.
const TextValue kScaleTypes[] = {{kLinear, 0}, {kLogarithmic, 1}};
const TextValue kDirections[] = {{kLeftToRight, 1}, {kRightToLeft, 0}};
// The fill list's named operations (a numbered fill, "填充N", is 7 + N).
const TextValue kFillOperations[] = {{kAddFill, 0}, {kShowAll, 4}, {kHideAll, 5}, {kDeleteAll, 6}};
// A fill shown, hidden, or (any other text) deleted: the operation each asks for.
const TextValue kFillShown[] = {{wptext::kShown, 1}, {wptext::kHidden, 2}, {kDelete, 3}};

// The well-data tables the point sources 3 to 6 take their columns from.
const char* const kSourceTables[] = {"岩心分析数据", "点数据.点数据1", "点数据.点数据2", "点数据.点数据3"};
constexpr int kFirstTableSource = 3;
constexpr BYTE kNumberColumn = 1;

constexpr int kFixedRange = 0;
// A fill side's cell size item, counted from the side's group id (flag, set, style, two colours, size).
constexpr DWORD_PTR kFillCellSize = 6;

// A switch of the page: any other text is the second option's value.
template <std::size_t N>
CBCGPProp* NewSwitch(const char* name, const char* description, DWORD_PTR id, const TextValue (&table)[N]) {
    return NewFixedListItem(name, "", description, id, table, OtherTakenAs(table[N - 1].value));
}

// The readers of the page's number items, each also the rule of the item it is typed into, so a
// refused text never reaches the page. A whole number, cut toward 0; false when the text is no
// number an int holds.
bool ReadWhole(const CString& text, int* value) {
    double number = 0;
    return numtext::LeadingNumber(text, &number) && numtext::FitInt(number, 1, value);
}

// A count of decimals: a whole number up to the most a double shows.
bool ReadDigits(const CString& text, int* digits) {
    int read = 0;
    if (!ReadWhole(text, &read) || read > wellplot::kMostDecimals) return false;
    *digits = read;
    return true;
}

// A value of the curve's scale (a float; of either sign when negatives is true), and its rule.
bool ReadValue(const CString& text, bool negatives, float* value) {
    return wellplot::ScaledNumber(text, 1, negatives, value);
}
TextRule ValueRule(bool negatives) { return wellplot::ScaledRule(1, negatives); }

// A fill's target value: a value strictly between the curve's left and right values.
bool ReadTargetValue(CWpCurve* curve, const CString& text, float* value) {
    float read = 0;
    if (!curve || !ReadValue(text, true, &read)) return false;
    const float lo = std::min(curve->GetLeft(), curve->GetRight());
    const float hi = std::max(curve->GetLeft(), curve->GetRight());
    if (!(lo < read && read < hi)) return false;
    *value = read;
    return true;
}

CBCGPropFloat* NewFloat(const char* name, double value, int digits, bool negatives, const char* description,
                        DWORD_PTR id, TextRule rule) {
    auto* item = new CBCGPropFloat(name, _variant_t(value), digits, description, negatives ? TRUE : FALSE, id);
    item->AllowEdit(TRUE);
    ReadBy(item, std::move(rule));
    return item;
}

CBCGPProp* NewGroup(const char* name, DWORD_PTR id) { return new CBCGPProp(name, id); }

bool IsCurveForm(int form) { return form == 0 || form == 1 || form == 4; }

// A line group of the drawing: its sub-items, then the pen shown.
CBCGPProp* NewLineGroup(const char* name, DWORD_PTR id, const QXLOGPEN& pen) {
    CBCGPProp* group = NewGroup(name, id);
    AddLineSubItems(group, id);
    // Written as numbers, so that the width item keeps "3x" as 3, which its rule and GetLineSubProp
    // take; SetLineProp would make the width a text, kept as typed and so refused by the rule.
    EnableLineProp(group, pen, true);
    return group;
}

// A symbol group: style, size in millimetres, border and fill colour, then the symbol shown.
CBCGPProp* NewSymbolGroup(const char* name, DWORD_PTR id, const QXLOGPOINT& point) {
    CBCGPProp* group = NewGroup(name, id);
    group->AddSubItem(new CPropStyleCombox("样式", 1, CPropStyleCombox::kPointStyle, nullptr, "指定符号样式", id + 1));
    group->AddSubItem(NewFloat("尺寸(毫米)", 1.0, 0, false, "指定符号的尺寸大小", id + 2, HundredthsItemRule()));
    CBCGPColorProp* border = NewGroupColorProp("边界颜色", "指定符号的边界颜色", id + 3, RGB(128, 0, 0));
    border->SetColor(RGB(128, 0, 0));
    group->AddSubItem(border);
    CBCGPColorProp* fill = NewGroupColorProp("填充色", "指定符号的内部填充颜色", id + 4, RGB(255, 255, 255));
    fill->SetColor(RGB(255, 255, 255));
    group->AddSubItem(fill);
    SetPointFloatProp(group, point);
    return group;
}

// Reads the one sub-item of its group (whose id is group) over the record; a group's sub-items
// carry the ids after the group's. False, record untouched, for a size or width it refuses.
bool ReadSubItem(QXLOGFONT& font, CBCGPProp* item, DWORD_PTR group) {
    return GetFontSubProp(item, font, static_cast<int>(item->GetData() - group - 1));
}
bool ReadSubItem(QXLOGPEN& pen, CBCGPProp* item, DWORD_PTR group) {
    return GetLineSubProp(item, pen, static_cast<int>(item->GetData() - group - 1));
}
bool ReadSubItem(QXLOGPOINT& point, CBCGPProp* item, DWORD_PTR group) {
    return GetPointSubProp(item, point, static_cast<int>(item->GetData() - group - 1));
}

// The one sub-item read over a copy of its group's record, which set then stores; false, nothing
// stored, for a size or width it refuses.
template <class Record, class Set>
bool EditSubItem(Record record, CBCGPProp* item, DWORD_PTR group, Set set) {
    if (!ReadSubItem(record, item, group)) return false;
    set(record);
    return true;
}

// The current fill's record; NULL while no fill is current.
CWpCurve::tagCVEFILL* CurrentFill(CWpCurve* curve) {
    const int at = curve->FillAt();
    return at >= 1 && at <= curve->FillCount() ? &curve->FillAt(at - 1) : nullptr;
}

CString FieldText(const char* field, std::size_t size) { return CString(std::string(field, strnlen(field, size))); }

// A size or width of a group, or a fill's cell size, shows the stored number as the refresh writes
// it; any other item is left alone. The page's other number items read by their own rules.
void ShowStoredCurveNumber(CWpCurve* curve, CBCGPProp* item) {
    using L = CLstCurve;
    ShowStoredValueOf(item, {{L::kTitleFontId + 2, wellplot::TitleFontOf(curve).size / 100.0},
                            {L::kUnitFontId + 2, curve->GetUnitFont().size / 100.0},
                            {L::kLimitFontId + 2, curve->GetLimitFont().size / 100.0},
                            {L::kLineId + 2, curve->GetPen().width / 100.0},
                            {L::kLine2Id + 2, curve->GetPenCur2().width / 100.0},
                            {L::kStickLineId + 2, curve->GetPen2().width / 100.0},
                            {L::kSquareLineId + 2, curve->GetPen2().width / 100.0},
                            {L::kMarkLineId + 2, curve->GetFlagLinePen().width / 100.0},
                            {L::kPointId + 2, curve->GetPoint().size / 100.0},
                            {L::kPoint2Id + 2, curve->GetPoint2().size / 100.0}});
    if (CWpCurve::tagCVEFILL* fill = CurrentFill(curve))
        ShowStoredValueOf(item, {{L::kLeftFillId + kFillCellSize, fill->leftBrush.size / 100.0},
                                {L::kRightFillId + kFillCellSize, fill->rightBrush.size / 100.0}});
}

// The fill list: add a fill, choose one ("填充N", offered for each fill), show, hide or delete them
// all; any other text chooses the fill numbered after its first two characters (a text shorter
// than that is refused). Only "添加新填充" is offered until a curve shows.
CFixedListProp* NewFillList() {
    CFixedListProp* list = NewFixedListItem("列表", "", "", CLstCurve::kFillListId, kFillOperations, kOtherRefused);
    list->SetOtherRule([](const CString& text, int* operation) {
        *operation = FillOperationOfText(text);
        return *operation >= 0;
    });
    list->OfferOnly({kAddFill});
    return list;
}

// What the fill list shows for the curve's current fill, as the refresh writes it.
CString CurrentFillText(CWpCurve* curve) {
    return CurrentFill(curve) ? FormatString("%s%d", kFillPrefix, curve->FillAt()) : CString(kNoFill);
}

}  // namespace

int FillOperationOfText(const CString& text) {
    const int named = ValueOfText(kFillOperations, text, -1);
    if (named >= 0) return named;
    const std::string all = text.str();
    if (text::CharCount(all) < 2) return -1;
    long long n = 0;
    if (!numtext::LeadingInteger(CString(all.substr(text::ByteOffsetOfChar(all, 2))), &n) || n < 0 || n > INT_MAX - 7)
        return -1;
    return static_cast<int>(n) + 7;
}

// ---- page -------------------------------------------------------------------------------------------
CLstCurve::CLstCurve(CWpKit* kit) : m_pKit(kit) {}
CLstCurve::~CLstCurve() = default;

CWpCurve* CLstCurve::Curve() const { return wellplot::KeptKit<CWpCurve>(*this, m_pKit); }

int CLstCurve::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    auto add = [this](CBCGPProp* item) { m_wndPropList.AddProperty(item, TRUE, TRUE); };

    add(wellplot::NewSettingList("数据源", "指定曲线数据来源", kSourceId, kSources));
    add(NewOptionItem("离散数据表", "", "指定离散数据表", kTableId, {}, false));
    add(NewOptionItem("曲线", "", "指定目标曲线", kCurveId, {}, false));

    CBCGPProp* title = NewGroup(wptext::kTitle, kTitleGroupId);
    title->AddSubItem(new CBCGPProp(wptext::kText, _variant_t(""), "指定标题内容", kTitleTextId));
    title->AddSubItem(
        wellplot::NewSettingList(wptext::kFontApplyTo, "指定标题字体设置的应用范围", kTitleScopeId, kTitleScopes));
    CBCGPProp* titleFont = CreateFontPropFloatSize(wptext::kFont, kTitleFontId);
    titleFont->Expand(FALSE);
    title->AddSubItem(titleFont);
    add(title);

    CBCGPProp* unit = NewGroup("单位", kUnitGroupId);
    unit->AddSubItem(NewOptionItem("名称", "", "指定曲线单位名称", kUnitNameId,
                                   {"cm", "N", "mV", "μs/m", "g/cm^3", "GAPI", "%", "p.u.", "Ω·m", "小数", "无"},
                                   true));
    unit->AddSubItem(NewSwitch(wptext::kShown, "指定曲线单位是否显示", kUnitShownId, kYesNoEntries));
    unit->AddSubItem(wellplot::NewSettingList(kArrangement, "指定曲线单位的排列格式", kUnitAlignId, kUnitAligns));
    unit->AddSubItem(
        wellplot::NewSettingList(wptext::kFontApplyTo, "指定曲线单位字体设置的应用范围", kUnitScopeId, kScopes));
    unit->AddSubItem(CreateFontPropFloatSize(wptext::kFont, kUnitFontId));
    unit->Expand(FALSE);
    add(unit);

    CBCGPProp* scale = NewGroup(wptext::kScale, kScaleGroupId);
    scale->AddSubItem(wellplot::NewSettingList(wptext::kApplyTo, "指定刻度属性设置的应用范围", kScaleScopeId, kScopes));
    scale->AddSubItem(
        wellplot::NewSettingList(wptext::kVisibility, "指定曲线刻度值的显隐状态", kLimitShownId, kLimitShows));
    scale->AddSubItem(wellplot::NewSettingList(kArrangement, "指定曲线刻度值的排列格式", kLimitAlignId, kLimitAligns));
    scale->AddSubItem(NewFixedListItem(wptext::kType, "", "指定刻度类型", kScaleTypeId, kScaleTypes, OtherTakenAs(0)));
    scale->AddSubItem(wellplot::NewSettingList("刻度范围", "指定刻度范围类型", kRangeTypeId, kRangeTypes));
    scale->AddSubItem(NewFloat("刻度小数位数", 0, 0, false, "指定刻度小数位数", kDigitsId, ReaderRule(ReadDigits)));
    scale->AddSubItem(NewSwitch(wptext::kDirection, "指定刻度类型", kDirectionId, kDirections));
    scale->AddSubItem(NewFloat("左值", 0, 0, true, "指定曲线左值", kLeftId, ValueRule(true)));
    scale->AddSubItem(NewFloat("右值", 0, 0, true, "指定曲线右值", kRightId, ValueRule(true)));
    scale->AddSubItem(NewSwitch("第二刻度", "指定曲线第二刻度的显隐状态", kSecondScaleId, wellplot::kShownHidden));
    scale->AddSubItem(NewFloat("倍数", 0, 1, false, "指定曲线第二刻度倍数", kMultiplesId, ValueRule(false)));
    CBCGPProp* limitFont = CreateFontPropFloatSize(wptext::kFont, kLimitFontId);
    limitFont->Expand(FALSE);
    scale->AddSubItem(limitFont);
    add(scale);

    auto* draw = new CBCGPPropEx("绘制", kDrawGroupId);
    draw->AddSubItem(wellplot::NewSettingList("形式", "指定绘制形式", kFormId, kForms));
    add(draw);

    auto* fills = new CBCGPPropEx(kFillPrefix, kFillGroupId);
    fills->AddSubItem(NewFillList());
    add(fills);

    CBCGPProp* mark = NewGroup("标识线", kMarkGroupId);
    mark->AddSubItem(NewSwitch(wptext::kShown, "指定标识线是否显示", kMarkShownId, kYesNoEntries));
    mark->AddSubItem(NewFloat("指定值", 0, 2, true, "指定标识线的值", kMarkValueId, ValueRule(true)));
    mark->AddSubItem(CreateLineFloatProp(kLineStyle, kMarkLineId));
    add(mark);
    return 0;
}

// ---- refresh ------------------------------------------------------------------------------------------
void CLstCurve::UpdateBCGPProperty(long object, CString) {
    CWpCurve* curve = Curve();
    if (!wellplot::BeginKitRefresh(*this, object, curve)) return;
    ShowSource(curve);
    ShowTitleAndUnit(curve);
    ShowScale(curve);
    ShowDrawing(curve);
    ShowFills(curve);
    ShowMarker(curve);
    m_wndPropList.AdjustLayout();
}

void CLstCurve::ShowSource(CWpCurve* curve) {
    const int source = curve->GetSource();
    ShowTextIfChanged(m_wndPropList.FindItemByData(kSourceId), TextOfValue(kSources, source, ""));
    CMutiColPtDataManager* sets = CGeneralDataManager::Instance()->GetColPtDataManager();

    if (CBCGPProp* table = m_wndPropList.FindItemByData(kTableId)) {
        table->Enable(source == 2);
        if (source == 2) {
            table->RemoveAllOptions();
            for (int i = 0; sets && i < sets->GetCount(); ++i) table->AddOption(sets->GetName(i));
            ShowTextIfChanged(table, curve->GetTable());
        }
    }

    CBCGPProp* item = m_wndPropList.FindItemByData(kCurveId);
    if (!item) return;
    item->Enable(source >= 1 && source <= 6);
    if (source < 1 || source > 6) return;
    auto restart = [item] {
        item->RemoveAllOptions();
        item->AddOption(kUnassigned);
        ShowTextIfChanged(item, kUnassigned);
    };
    if (source == 1) {
        restart();
        CWpWell* well = curve->GetWell();
        WDMgrIO* data = well ? well->GetDataMgr() : nullptr;
        for (int i = 0; data && i < data->GetCurveCount(); ++i) item->AddOption(data->GetCurveName(i));
    } else if (source == 2) {
        // A table that is gone leaves the choices as they were.
        if (CMutiColPtData* set = sets ? sets->GetData(curve->GetTable().GetString()) : nullptr) {
            item->RemoveAllOptions();
            item->AddOption(kUnassigned);
            for (const CString& name : set->GetValNames()) item->AddOption(name);
        }
    } else {
        restart();
        CTableDefinition* table = CWellDataManager::Instance()->GetTableDefinitionManager()->GetTableDefinition(
            kSourceTables[source - kFirstTableSource]);
        for (int i = 0; table && i < table->GetColumnDefinitionCount(); ++i)
            if (CColumnDefinition* column = table->GetColumnDefinition(i); column && column->GetType() == kNumberColumn)
                item->AddOption(column->GetName());
    }
    const CString name = curve->GetName();
    ShowTextIfChanged(item, name == kUnboundCurve ? CString(kUnassigned) : name);
}

void CLstCurve::ShowTitleAndUnit(CWpCurve* curve) {
    ShowTextIfChanged(m_wndPropList.FindItemByData(kTitleTextId), curve->GetTitleText());
    ShowTextIfChanged(m_wndPropList.FindItemByData(kTitleScopeId),
                      TextOfValue(kTitleScopes, curve->GetTtlFtScope(), ""));
    EnableFontProp(m_wndPropList.FindItemByData(kTitleFontId), wellplot::TitleFontOf(curve), true);
    ShowTextIfChanged(m_wndPropList.FindItemByData(kUnitNameId), curve->GetUnitText());
    ShowTextIfChanged(m_wndPropList.FindItemByData(kUnitShownId),
                      curve->IsShowUnit() ? grouptext::kYes : grouptext::kNo);
    ShowTextIfChanged(m_wndPropList.FindItemByData(kUnitAlignId), TextOfValue(kUnitAligns, curve->GetUnitAlign(), ""));
    ShowTextIfChanged(m_wndPropList.FindItemByData(kUnitScopeId), TextOfValue(kScopes, curve->GetUntScope(), ""));
    EnableFontProp(m_wndPropList.FindItemByData(kUnitFontId), curve->GetUnitFont(), true);
}

void CLstCurve::ShowScale(CWpCurve* curve) {
    ShowTextIfChanged(m_wndPropList.FindItemByData(kScaleScopeId), TextOfValue(kScopes, curve->GetLmtScope(), ""));
    ShowTextIfChanged(m_wndPropList.FindItemByData(kLimitShownId), TextOfValue(kLimitShows, curve->IsShowLimit(), ""));
    ShowTextIfChanged(m_wndPropList.FindItemByData(kLimitAlignId),
                      TextOfValue(kLimitAligns, curve->GetLimitAlign(), ""));
    ShowTextIfChanged(m_wndPropList.FindItemByData(kScaleTypeId), curve->IsLogScale() ? kLogarithmic : kLinear);
    const int range = curve->GetValueRangeType();
    ShowTextIfChanged(m_wndPropList.FindItemByData(kRangeTypeId), TextOfValue(kRangeTypes, range, ""));
    const int digits = curve->GetScaleDecimalDigit();
    if (CBCGPProp* item = m_wndPropList.FindItemByData(kDigitsId)) item->SetValue(_variant_t(double(digits)));
    ShowTextIfChanged(m_wndPropList.FindItemByData(kDirectionId),
                      curve->GetRight() > curve->GetLeft() ? kLeftToRight : kRightToLeft);
    const bool fixed = range == kFixedRange;
    const std::pair<DWORD_PTR, float> values[] = {{kLeftId, curve->GetLeft()}, {kRightId, curve->GetRight()}};
    for (const auto& [id, value] : values) {
        auto* item = dynamic_cast<CBCGPropFloat*>(m_wndPropList.FindItemByData(id));
        if (!item) continue;
        item->SetDecimalDigit(std::clamp(digits, 0, wellplot::kMostDecimals));
        item->SetValue(_variant_t(double(value)));
        item->Enable(fixed);
    }
    const bool second = curve->IsShowScale() != 0;
    if (CBCGPProp* item = m_wndPropList.FindItemByData(kSecondScaleId)) {
        item->Enable(fixed);
        if (fixed) ShowTextIfChanged(item, second ? wptext::kShown : wptext::kHidden);
    }
    if (CBCGPProp* item = m_wndPropList.FindItemByData(kMultiplesId)) {
        item->Enable(fixed && second);
        if (fixed && second) item->SetValue(_variant_t(double(curve->GetMultiples())));
    }
    EnableFontProp(m_wndPropList.FindItemByData(kLimitFontId), curve->GetLimitFont(), true);
}

// The groups under "形式" are made anew for the curve's form.
void CLstCurve::ShowDrawing(CWpCurve* curve) {
    CBCGPProp* draw = m_wndPropList.FindItemByData(kDrawGroupId);
    if (!draw) return;
    m_wndPropList.SetCurSel(nullptr);
    DeleteLastSubItems(draw, draw->GetSubItemsCount() - 1);
    const int form = curve->GetType();
    ShowTextIfChanged(m_wndPropList.FindItemByData(kFormId), TextOfValue(kForms, form, ""));
    const bool second = curve->IsShowScale() != 0;
    auto lines = [&] {
        draw->AddSubItem(NewLineGroup("第一刻度曲线线型", kLineId, curve->GetPen()));
        CBCGPProp* line2 = NewLineGroup("第二刻度曲线线型", kLine2Id, curve->GetPenCur2());
        line2->Enable(second);
        EnableAllSubItems(line2, second);
        draw->AddSubItem(line2);
    };
    auto scatter = [&] {
        draw->AddSubItem(NewSymbolGroup("第一刻度散点线型", kPointId, curve->GetPoint()));
        CBCGPProp* point2 = NewSymbolGroup("第二刻度散点线型", kPoint2Id, curve->GetPoint2());
        point2->Enable(second);
        EnableAllSubItems(point2, second);
        draw->AddSubItem(point2);
        draw->AddSubItem(NewFloat("散点抽稀间隔)", curve->GetScanted(), 0, false, "指定散点抽稀显示的间隔数",
                                  kScatterStepId, ReaderRule(ReadWhole)));
    };
    auto stick = [&] {
        draw->AddSubItem(NewLineGroup("杆棒线型", kStickLineId, curve->GetPen2()));
        draw->AddSubItem(NewFloat("杆棒抽稀间隔)", curve->GetScanted(), 0, false, "指定杆棒抽稀显示的间隔数",
                                  kStickStepId, ReaderRule(ReadWhole)));
    };
    auto square = [&] {
        draw->AddSubItem(NewLineGroup("方波线型", kSquareLineId, curve->GetPen2()));
        draw->AddSubItem(NewFloat("方波阶跃步长)", curve->GetFrequency(), 2, false, "指定方波阶跃的步长值",
                                  kSquareStepId, ValueRule(false)));
    };
    switch (form) {
        case CWpCurve::CURVE_LINE:
            lines();
            break;
        case CWpCurve::CURVE_SCATTER:
            scatter();
            break;
        case CWpCurve::CURVE_STICK:
            stick();
            break;
        case CWpCurve::CURVE_SQUARE:
            square();
            break;
        case CWpCurve::CURVE_SCATTER_LINE:
            lines();
            scatter();
            break;
        case CWpCurve::CURVE_STICK_LINE:
            lines();
            stick();
            break;
        case CWpCurve::CURVE_SQUARE_LINE:
            lines();
            square();
            break;
        default:
            break;
    }
}

// The fill list, and the items of the current fill, are made anew; only line and scatter forms fill.
void CLstCurve::ShowFills(CWpCurve* curve) {
    CBCGPProp* group = m_wndPropList.FindItemByData(kFillGroupId);
    CBCGPProp* list = m_wndPropList.FindItemByData(kFillListId);
    if (!group || !list) return;
    m_wndPropList.SetCurSel(nullptr);
    DeleteLastSubItems(group, group->GetSubItemsCount() - 1);
    if (!IsCurveForm(curve->GetType())) {
        list->Enable(FALSE);
        return;
    }
    list->Enable(TRUE);
    list->RemoveAllOptions();
    list->AddOption(kAddFill);
    const int count = curve->FillCount();
    for (int n = 1; n <= count; ++n) list->AddOption(FormatString("%s%d", kFillPrefix, n));
    if (count != 0) {
        list->AddOption(kHideAll);
        list->AddOption(kShowAll);
        list->AddOption(kDeleteAll);
    }
    CWpCurve::tagCVEFILL* fill = CurrentFill(curve);
    ShowTextIfChanged(list, CurrentFillText(curve));
    if (!fill) return;

    group->AddSubItem(NewFixedListItem(wptext::kVisibility, fill->shown ? wptext::kShown : wptext::kHidden,
                                       "指定填充是否显示,隐藏或者删除", kFillShownId, kFillShown, OtherTakenAs(3)));
    if (!fill->shown) return;
    CBCGPProp* target = NewOptionItem("目标", "", "指定当前横向填充目标对象", kFillTargetId,
                                      {kBorderTarget, kMiddleTarget, kValueTarget}, false);
    wellplot::ForEachChild(curve->GetParent(), [&](CWpKit* kit) {
        if (kit == curve || !kit->IsKindOf(RUNTIME_CLASS(CWpCurve))) return;
        auto* other = static_cast<CWpCurve*>(kit);
        if (other->GetName() != kUnboundCurve && IsCurveForm(other->GetType()))
            target->AddOption(other->GetTitleText());
    });
    const CString targetName = FieldText(fill->target, sizeof fill->target);
    ShowTextIfChanged(target, targetName);
    group->AddSubItem(target);
    if (targetName == kValueTarget)
        group->AddSubItem(NewFloat("目标值线幅值", fill->targetValue, 2, true, "指定当前横向填充目标值线的幅值",
                                   kFillValueId, [this](const CString& typed) {
                                       float value = 0;
                                       return ReadTargetValue(Curve(), typed, &value);
                                   }));
    const struct {
        const char* name;
        DWORD_PTR id;
        const QXLOGBRUSH& brush;
        const char* set;
        std::size_t setSize;
        int bit;
    } sides[] = {
        {"向目标左侧填充", kLeftFillId, fill->leftBrush, fill->leftStyleSet, sizeof fill->leftStyleSet, 2},
        {"向目标右侧填充", kRightFillId, fill->rightBrush, fill->rightStyleSet, sizeof fill->rightStyleSet, 1},
    };
    for (const auto& side : sides) {
        CBCGPProp* sideGroup = NewGroup(side.name, side.id);
        CreateFillFlagProp(sideGroup, side.id);
        SetFillFlagProp(sideGroup, FieldText(side.set, side.setSize).str(), side.brush, (fill->sides & side.bit) != 0);
        group->AddSubItem(sideGroup);
    }
}

void CLstCurve::ShowMarker(CWpCurve* curve) {
    const bool shown = curve->IsFlagLineShow();
    ShowTextIfChanged(m_wndPropList.FindItemByData(kMarkShownId), shown ? grouptext::kYes : grouptext::kNo);
    if (CBCGPProp* value = m_wndPropList.FindItemByData(kMarkValueId)) {
        value->Enable(shown);
        if (shown) value->SetValue(_variant_t(double(curve->GetFlagLineValue())));
    }
    EnableLineProp(m_wndPropList.FindItemByData(kMarkLineId), curve->GetFlagLinePen(), shown);
}

// ---- scopes -------------------------------------------------------------------------------------------
// Which curves (or kits) a scale, unit-font or title-font edit of the page's curve reaches besides the
// curve itself.

CWpCurve* CLstCurve::KeptCurve() const {
    return m_pKit && m_pKit->IsKindOf(RUNTIME_CLASS(CWpCurve)) ? static_cast<CWpCurve*>(m_pKit) : nullptr;
}

void CLstCurve::ForEachScopeCurve(int scope, const std::function<void(CWpCurve*)>& visit) const {
    CWpCurve* curve = KeptCurve();
    if (!curve) return;
    auto other = [&](CWpKit* kit) {
        if (kit != curve && kit->IsKindOf(RUNTIME_CLASS(CWpCurve))) visit(static_cast<CWpCurve*>(kit));
    };
    if (scope == 1)
        wellplot::ForEachChild(curve->GetParent(), other);
    else if (scope == 2)
        wellplot::ForEachTrackKit(curve->GetWell(), false, true, other);
}

void CLstCurve::ApplyToScopeCurves(int scope, void (CWpCurve::*setter)(float), float value) {
    ForEachScopeCurve(scope, [&](CWpCurve* other) { (other->*setter)(value); });
}

void CLstCurve::ApplyToScopeCurves(int scope, void (CWpCurve::*setter)(float, int), float value) {
    ForEachScopeCurve(scope, [&](CWpCurve* other) { (other->*setter)(value, 0); });
}

void CLstCurve::ApplyScaleToScope() {
    CWpCurve* curve = KeptCurve();
    if (!curve) return;
    const int scope = curve->GetLmtScope();
    ApplyToScopeCurves(scope, &CWpCurve::SetLimitFont, curve->GetLimitFont());
    ApplyToScopeCurves(scope, &CWpCurve::SetMultiples, curve->GetMultiples());
    ApplyToScopeCurves(scope, &CWpCurve::ShowScale, curve->IsShowScale() != 0);
    ApplyToScopeCurves(scope, &CWpCurve::SetRight, curve->GetRight());
    ApplyToScopeCurves(scope, &CWpCurve::SetLeft, curve->GetLeft());
    ApplyToScopeCurves(scope, &CWpCurve::SetLeftAlignText, curve->IsLeftAlignText());
    ApplyToScopeCurves(scope, &CWpCurve::SetScaleDecimalDigit, curve->GetScaleDecimalDigit());
    ApplyToScopeCurves(scope, &CWpCurve::SetValueRangeType, curve->GetValueRangeType());
    ApplyToScopeCurves(scope, &CWpCurve::LogScale, curve->IsLogScale() != 0);
    ApplyToScopeCurves(scope, &CWpCurve::ShowLimit, curve->IsShowLimit());
    ApplyToScopeCurves(scope, &CWpCurve::SetLimitAlign, curve->GetLimitAlign());
}

void CLstCurve::ApplyTitleFontToScope(const QXLOGFONT& font) {
    CWpCurve* curve = KeptCurve();
    if (!curve) return;
    QXLOGFONT given = font;
    auto setFont = [&](CWpKit* kit) { kit->SetTitleFont(&given); };
    auto setCurveFont = [&](CWpKit* kit) {
        if (kit->IsKindOf(RUNTIME_CLASS(CWpCurve))) kit->SetTitleFont(&given);
    };
    switch (curve->GetTtlFtScope()) {
        case 0:
            curve->SetTitleFont(&given);
            break;
        case 1:
            wellplot::ForEachChild(curve->GetParent(), setCurveFont);
            break;
        case 2:
            wellplot::ForEachChild(curve->GetParent(), setFont);
            break;
        case 3:
            wellplot::ForEachTrackKit(curve->GetWell(), false, true, setCurveFont);
            break;
        case 4:
            wellplot::ForEachTrackKit(curve->GetWell(), true, true, setFont);
            break;
        default:
            break;
    }
}

// ---- write-back ---------------------------------------------------------------------------------------
LRESULT CLstCurve::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpCurve* curve = Curve();
    // A list's text stands for the value stored.
    int choice = 0;
    if (!item || !curve || !wellplot::ReadChoice(item, &choice)) return 0;
    if (!EditItem(curve, item, choice)) {
        // A group's size or width, or a fill's cell size, read by its whole text refuses a text its
        // item took by the number it keeps ("3x" reported from code): the item shows the stored
        // value as the refresh does, and nothing is written or redrawn.
        ShowStoredCurveNumber(curve, item);
        return 0;
    }
    curve->InvalidSelf();
    curve->SetModifyFlag(1);
    curve->UpdateParent();
    UpdateView();
    return 0;
}

bool CLstCurve::EditItem(CWpCurve* curve, CBCGPProp* item, int choice) {
    const CString text = ItemText(item);
    const DWORD_PTR id = item->GetData();

    switch (id) {
        case kSourceId:
            curve->SetSource(choice);
            SetKitTimeStamp(curve);
            break;
        case kTableId:
            curve->SetTable(text);
            SetKitTimeStamp(curve);
            break;
        case kCurveId:
            EditSourceCurve(curve, text);
            break;
        case kTitleTextId:
            curve->SetTitleText(text);
            break;
        case kTitleScopeId:
            curve->SetTitleFontScope(choice);
            break;
        case kTitleFontId + 1:
        case kTitleFontId + 2:
        case kTitleFontId + 3:
            return EditSubItem(wellplot::TitleFontOf(curve), item, kTitleFontId, [this, curve](QXLOGFONT& font) {
                curve->SetTitleFont(&font);
                ApplyTitleFontToScope(font);
            });
        case kUnitNameId:
            curve->SetUnitText(text);
            break;
        case kUnitShownId:
            curve->ShowUnit(choice != 0);
            break;
        case kUnitAlignId:
            curve->SetUnitAlign(choice);
            break;
        case kUnitScopeId:
            curve->SetUntScope(choice);
            break;
        case kUnitFontId + 1:
        case kUnitFontId + 2:
        case kUnitFontId + 3:
            return EditSubItem(curve->GetUnitFont(), item, kUnitFontId, [this, curve](const QXLOGFONT& font) {
                curve->SetUnitFont(font);
                ApplyToScopeCurves(curve->GetUntScope(), &CWpCurve::SetUnitFont, font);
            });
        case kScaleScopeId:
            curve->SetLmtScope(choice);
            break;
        case kFillListId:
            curve->Operation(choice);
            // A fill chosen by a text that is no option shows the fill the curve holds as current.
            if (!FixedListOf(item)->TextOf(choice) && item->FindOption(text) < 0)
                ShowTextIfChanged(item, CurrentFillText(curve));
            SetKitTimeStamp(curve);
            break;
        case kFillShownId:
            curve->Operation(choice);
            SetKitTimeStamp(curve);
            break;
        case kFillTargetId:
            return EditFillTarget(curve, item);
        case kFillValueId:
            EditFillValue(curve, item);
            break;
        case kMarkShownId:
            curve->SetFlagLineShow(choice != 0);
            SetKitTimeStamp(curve);
            break;
        case kMarkValueId:  // the page's number items read by their own rules: what they took reads
            if (float value = 0; ReadValue(text, true, &value)) curve->SetFlagLineValue(value);
            break;
        case kMarkLineId + 1:
        case kMarkLineId + 2:
        case kMarkLineId + 3:
            return EditSubItem(curve->GetFlagLinePen(), item, kMarkLineId,
                               [curve](const QXLOGPEN& pen) { curve->SetFlagLinePen(pen); });
        default:
            if (id >= kLimitShownId && id <= kLimitFontId + 3) return EditScale(curve, item, choice);
            if (id >= kFormId && id <= kSquareStepId) return EditDrawing(curve, item, choice);
            if (id > kLeftFillId && id < kMarkGroupId && id != kRightFillId) return EditFillSide(curve, item);
            break;
    }
    return true;
}

// Another data curve: the curve takes its name as title, reads its data and loses its fills.
void CLstCurve::EditSourceCurve(CWpCurve* curve, const CString& text) {
    if (text == curve->GetName()) return;
    curve->SetTitleText(text);
    curve->InitData(text, 0);
    curve->Operation(6);
}

// Every scale edit copies the whole scale to the curves of the scale scope.
bool CLstCurve::EditScale(CWpCurve* curve, CBCGPProp* item, int choice) {
    const CString text = ItemText(item);
    const DWORD_PTR id = item->GetData();
    bool recalculate = false;
    switch (id) {
        case kLimitShownId:
            curve->ShowLimit(static_cast<CWpCurve::ScaleShowWays>(choice));
            break;
        case kLimitAlignId:
            curve->SetLimitAlign(choice);
            break;
        case kScaleTypeId:
            curve->LogScale(choice != 0);
            recalculate = true;
            break;
        case kRangeTypeId:
            curve->SetValueRangeType(choice);
            ApplyScaleToScope();
            curve->UpdateRightLeftValue();
            curve->Recalculate();
            SetKitTimeStamp(curve);
            return true;
        case kDigitsId:
            if (int digits = 0; ReadDigits(text, &digits)) curve->SetScaleDecimalDigit(digits);
            recalculate = true;
            break;
        case kDirectionId:
            curve->SetLeftAlignText(choice != 0);
            break;
        case kLeftId:
        case kRightId: {
            float value = 0;
            if (!ReadValue(text, true, &value)) break;
            if (id == kLeftId)
                curve->SetLeft(value, 0);
            else
                curve->SetRight(value, 0);
            break;
        }
        case kSecondScaleId:
            curve->ShowScale(choice != 0);
            recalculate = true;
            break;
        case kMultiplesId:
            if (float multiples = 0; ReadValue(text, false, &multiples)) curve->SetMultiples(multiples);
            recalculate = true;
            break;
        case kLimitFontId + 1:
        case kLimitFontId + 2:
        case kLimitFontId + 3:
            if (!EditSubItem(curve->GetLimitFont(), item, kLimitFontId,
                             [curve](const QXLOGFONT& font) { curve->SetLimitFont(font); }))
                return false;
            break;
        default:
            return true;
    }
    ApplyScaleToScope();
    if (recalculate) curve->Recalculate();
    return true;
}

// The form, and the lines, symbols and steps of the drawing groups. The stick and the square-wave
// lines are one pen of the kit, the scatter and stick intervals one value.
bool CLstCurve::EditDrawing(CWpCurve* curve, CBCGPProp* item, int choice) {
    const DWORD_PTR id = item->GetData();
    if (id == kFormId) {
        curve->SetType(static_cast<CWpCurve::CURVETYPE>(choice));
        SetKitTimeStamp(curve);
        return true;
    }
    if (id == kScatterStepId || id == kStickStepId) {
        if (int interval = 0; ReadWhole(ItemText(item), &interval)) curve->SetScanted(interval);
        return true;
    }
    if (id == kSquareStepId) {
        if (float step = 0; ReadValue(ItemText(item), false, &step)) curve->SetFrequency(step);
        return true;
    }
    // One sub-item of a line or symbol group.
    if (id > kLineId && id < kLine2Id)
        return EditSubItem(curve->GetPen(), item, kLineId, [curve](const QXLOGPEN& pen) { curve->SetPen(pen); });
    if (id > kLine2Id && id < kPointId)
        return EditSubItem(curve->GetPenCur2(), item, kLine2Id,
                           [curve](const QXLOGPEN& pen) { curve->SetPenCur2(pen); });
    if (id > kPointId && id < kPoint2Id)
        return EditSubItem(curve->GetPoint(), item, kPointId,
                           [curve](const QXLOGPOINT& point) { curve->SetPoint(point); });
    if (id > kPoint2Id && id < kScatterStepId)
        return EditSubItem(curve->GetPoint2(), item, kPoint2Id,
                           [curve](const QXLOGPOINT& point) { curve->SetPoint2(point); });
    if (id > kStickLineId && id < kStickStepId)
        return EditSubItem(curve->GetPen2(), item, kStickLineId, [curve](const QXLOGPEN& pen) { curve->SetPen2(pen); });
    if (id > kSquareLineId && id < kSquareStepId)
        return EditSubItem(curve->GetPen2(), item, kSquareLineId,
                           [curve](const QXLOGPEN& pen) { curve->SetPen2(pen); });
    return true;
}

// The target names a curve by its object name, any other target by its text; the border lies at the
// largest float, the middle between left and right. The middle is worked out in double, so two large
// values do not add up to an infinity; a target value no float holds is refused, and the item alone
// shows its text from before.
bool CLstCurve::EditFillTarget(CWpCurve* curve, CBCGPProp* item) {
    CWpCurve::tagCVEFILL* fill = CurrentFill(curve);
    if (!fill) return true;
    const CString text = ItemText(item);
    const double left = curve->GetLeft();
    const double right = curve->GetRight();
    const double middle = (left + right) * 0.5;
    const double v = fill->targetValue;
    float value = fill->targetValue;
    bool held = true;
    if (text == kBorderTarget)
        value = FLT_MAX;
    else if (text == kValueTarget && (v - left) * (v - right) <= -0.001)
        value = -999.9f;
    else if (text == kMiddleTarget || text == kValueTarget)
        held = numtext::FitFloat(middle, 1, &value);
    if (!held) {
        ShowTextBefore(item);
        return false;
    }
    CWpCurve* found = curve->FindCurve(text, 0);
    text::CopyToField(fill->target, sizeof fill->target, (found ? found->GetName() : text).str());
    fill->targetValue = value;
    curve->Recalculate();
    return true;
}

// A target value is taken only strictly between the left and right values (the item refuses any other).
void CLstCurve::EditFillValue(CWpCurve* curve, CBCGPProp* item) {
    CWpCurve::tagCVEFILL* fill = CurrentFill(curve);
    float v = 0;
    if (!fill || !ReadTargetValue(curve, ItemText(item), &v)) return;
    fill->targetValue = v;
    curve->Recalculate();
}

// One sub-item of the left (side bit 1) or right (side bit 0) fill of the current fill.
bool CLstCurve::EditFillSide(CWpCurve* curve, CBCGPProp* item) {
    CWpCurve::tagCVEFILL* fill = CurrentFill(curve);
    if (!fill) return true;
    const DWORD_PTR id = item->GetData();
    const bool left = id < kRightFillId;
    const int bit = left ? 2 : 1;
    char* set = left ? fill->leftStyleSet : fill->rightStyleSet;
    QXLOGBRUSH& brush = left ? fill->leftBrush : fill->rightBrush;
    bool flag = (fill->sides & bit) != 0;
    std::string name = FieldText(set, CWpCurve::tagCVEFILL::kNameSize).str();
    QXLOGBRUSH edited = brush;
    const int index = static_cast<int>(id - (left ? kLeftFillId : kRightFillId) - 1);
    if (index == 0)
        GetFillFlagSubProp(item, &flag, index, &name, edited);
    else if (!GetFillSubProp(item, &name, index - 1, edited))
        return false;  // a cell size it refuses
    fill->sides = flag ? (fill->sides | bit) : (fill->sides & ~bit);
    brush = edited;
    text::CopyToField(set, CWpCurve::tagCVEFILL::kNameSize, name);
    return true;
}
