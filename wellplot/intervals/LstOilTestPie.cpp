#include "wellplot/intervals/LstOilTestPie.h"

#include <algorithm>

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/FixedList.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PenFontEdits.h"
#include "framework/PropDigits.h"
#include "framework/PropEx.h"
#include "framework/PropItems.h"
#include "framework/PropStyleCombox.h"
#include "hosttypes/Zephyr/DIOilTest.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "wellplot/KitPage.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/PageLists.h"
#include "wellplot/intervals/OilTestCommon.h"

IMPLEMENT_DYNCREATE(CLstOilTestPie, CWndLst)

namespace {

constexpr const char* kNotShown = "不显示";
constexpr const char* kDraw = "绘制";
constexpr const char* kNoDraw = "不绘制";
constexpr const char* kFixed = "固定";
constexpr const char* kProportional = "比例";
constexpr const char* kAttributeDescription = "选择绘制饼图的属性";

// The lists of the page with what each takes for any other text (a text reported from code).
constexpr TextValue kLabelShown[] = {{wptext::kShown, 1}, {kNotShown, 0}};  // any other: not shown
constexpr TextValue kRadiusModes[] = {{kFixed, 0}, {kProportional, 1}};      // any other: proportional
constexpr TextValue kNullValues[] = {{kDraw, 1}, {kNoDraw, 0}};              // any other: drawn
constexpr TextValue kCounts[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"4", 4},
                                 {"5", 5}, {"6", 6}, {"7", 7}, {"8", 8}, {"9", 9}};

CBCGPColorProp* NewPieColor(const char* name, DWORD_PTR id) {
    return NewGroupColorProp(name, "指定颜色", id, RGB(0, 0, 0));
}

// A count of attribute lines, read as an unsigned integer ("03" and " 3" are 3), at most the items a
// group holds; any other text names no count.
bool ReadCount(const CString& text, int* count) {
    unsigned read = 0;
    if (!numtext::WholeUnsigned(text, &read) || read > static_cast<unsigned>(CLstOilTestPie::kMaxAttributes))
        return false;
    *count = static_cast<int>(read);
    return true;
}

CBCGPProp* NewCountItem(const char* name, const char* description, DWORD_PTR id) {
    CFixedListProp* item = NewFixedListItem(name, "", description, id, kCounts, kOtherRefused);
    item->SetOtherRule(ReadCount);
    const _variant_t unfilled(CLstOilTestPie::kUnfilledCount);
    item->SetValue(unfilled);
    item->SetOriginalValue(unfilled);
    return item;
}

// The font and line groups are read one sub-item at a time (EditFontField, EditPenField): their
// size and width items refuse what those readers refuse.
CBCGPProp* NewExpandedFont(const char* name, DWORD_PTR id) {
    CBCGPProp* font = CreateFontProp(name, id, penfont::HundredthsRule(penfont::Accept::AboveZero));
    font->Expand(TRUE);
    return font;
}

// The sub-item of a group, by position; NULL when either is missing.
CBCGPProp* SubItem(CBCGPProp* group, int index) { return group ? group->GetSubItem(index) : nullptr; }

}  // namespace

const CLstOilTestPie::AttributeList CLstOilTestPie::kUpper = {kUpperCountId, kUpperGroupId, kFirstUpperId,
                                                              &CWpOilTest::m_pieUpper};
const CLstOilTestPie::AttributeList CLstOilTestPie::kLower = {kLowerCountId, kLowerGroupId, kFirstLowerId,
                                                              &CWpOilTest::m_pieLower};

CLstOilTestPie::CLstOilTestPie() = default;
CLstOilTestPie::CLstOilTestPie(CWpKit* kit) : m_pKit(wellplot::KitOf<CWpOilTest>(reinterpret_cast<long>(kit))) {}
CLstOilTestPie::~CLstOilTestPie() = default;

int CLstOilTestPie::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewYesNoList(wptext::kShown, "", nullptr, kShownId));

    auto* source = new CBCGPProp("数据源", kSourceGroupId);
    source->AddSubItem(oiltest::NewDataChoice(wptext::kType, "", kDataChoiceId));
    m_wndPropList.AddProperty(source);

    auto* colors = new CBCGPProp(grouptext::kColor, kColorGroupId);
    colors->AddSubItem(NewPieColor(oiltest::kDailyOil, kOilColorId));
    colors->AddSubItem(NewPieColor(oiltest::kDailyGas, kGasColorId));
    colors->AddSubItem(NewPieColor(oiltest::kDailyWater, kWaterColorId));
    m_wndPropList.AddProperty(colors);

    auto* text = new CBCGPProp(wptext::kText, kTextGroupId);
    text->AddSubItem(NewFixedListItem("属性值", "", "", kValueLabelId, kLabelShown, OtherTakenAs(0)));
    text->AddSubItem(NewFixedListItem("百分比", "", "", kPercentLabelId, kLabelShown, OtherTakenAs(0)));
    text->AddSubItem(NewExpandedFont(wptext::kFont, kLabelFontId));
    text->AddSubItem(CreateIndexProp("小数位数", kDecimalsId, nullptr, 8));
    m_wndPropList.AddProperty(text);

    m_wndPropList.AddProperty(
        CreateLineProp("线型", kOutlineId, false, penfont::HundredthsRule(penfont::Accept::ZeroOrMore)));
    CBCGPProp* leader =
        CreateLineProp("指示线", kLeaderId, false, penfont::HundredthsRule(penfont::Accept::ZeroOrMore));
    leader->AddSubItem(NewYesNoList(kDraw, "", nullptr, kLeaderDrawnId));
    m_wndPropList.AddProperty(leader);

    auto* radius = new CBCGPProp("控制线", kRadiusGroupId);
    radius->AddSubItem(NewFixedListItem("方式", kFixed, "", kRadiusModeId, kRadiusModes, OtherTakenAs(1)));
    radius->AddSubItem(NewSizeTextItem("半径大小", "", kRadiusId, oiltest::WideHundredthsRule()));
    radius->AddSubItem(NewFixedListItem("空值", "", nullptr, kNullValuesId, kNullValues, OtherTakenAs(1)));
    m_wndPropList.AddProperty(radius);

    auto* side = new CBCGPProp("饼旁标注", kSideGroupId);
    side->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kSideShownId));
    side->AddSubItem(NewExpandedFont(wptext::kFont, kSideFontId));
    side->AddSubItem(
        CreateLineProp("中间线型", kMiddleLineId, false, penfont::HundredthsRule(penfont::Accept::ZeroOrMore)));
    side->AddSubItem(NewCountItem("上部属性文本行数", "指定上部属性文本行数", kUpperCountId));
    side->AddSubItem(NewCountItem("下部属性文本行数", "指定下部属性文本行数", kLowerCountId));
    side->AddSubItem(new CBCGPPropEx("上部属性", kUpperGroupId));
    side->AddSubItem(new CBCGPPropEx("下部属性", kLowerGroupId));
    side->Expand(TRUE);
    m_wndPropList.AddProperty(side);

    SetTimeStamp(0);
    return 0;
}

// ---- refresh ---------------------------------------------------------------------------------------------
void CLstOilTestPie::UpdateBCGPProperty(long object, CString) {
    CWpOilTest* kit = m_pKit;
    if (!kit || object != GetCurrentObject() || kit->GetTimeStamp() == GetTimeStamp()) return;
    SetTimeStamp(kit->GetTimeStamp());
    RefreshUpperAttributes();
    RefreshLowerAttributes();

    SetYesNoProp(Item(kShownId), kit->m_nPieShow == 1);
    EnablePieItems(kit->m_nPieShow == 1);
    ShowTextIfChanged(Item(kDataChoiceId), oiltest::DataChoiceText(kit->m_nPieDataChoice));
    // The colour captions follow the data choice the kit holds.
    oiltest::NameColorItems(Item(kOilColorId), Item(kGasColorId), Item(kWaterColorId), kit->m_nPieDataChoice);
    CBCGPProp* colors = Item(kColorGroupId);
    ShowColor(SubItem(colors, 0), kit->m_clrPieOil);
    ShowColor(SubItem(colors, 1), kit->m_clrPieGas);
    ShowColor(SubItem(colors, 2), kit->m_clrPieWater);

    if (CBCGPProp* text = Item(kTextGroupId)) {
        ShowTextIfChanged(SubItem(text, 0), kit->m_nPieShowValue ? wptext::kShown : kNotShown);
        ShowTextIfChanged(SubItem(text, 1), kit->m_nPieShowPercent ? wptext::kShown : kNotShown);
        SetFontProp(Item(kLabelFontId), kit->m_pieLabelFont);
        oiltest::ShowDecimals(Item(kDecimalsId), kit->m_nPieDecimals);
    }
    SetLineProp(Item(kOutlineId), kit->m_pieOutlinePen);
    SetLineProp(Item(kLeaderId), kit->m_pieLeaderPen);
    SetYesNoProp(Item(kLeaderDrawnId), kit->m_nPieLeader == 1);
    if (CBCGPProp* radius = Item(kRadiusGroupId)) {
        ShowTextIfChanged(SubItem(radius, 0), kit->m_nPieRadiusMode == 0 ? kFixed : kProportional);
        ShowTextIfChanged(SubItem(radius, 1), numtext::Fixed(kit->m_dPieRadius / 100, 2));
        ShowTextIfChanged(SubItem(radius, 2), kit->m_nPieDrawNull ? kDraw : kNoDraw);
    }
    if (CBCGPProp* side = Item(kSideGroupId)) {
        SetYesNoProp(SubItem(side, 0), kit->m_nPieSideShow != 0);
        SetFontProp(Item(kSideFontId), kit->m_pieSideFont);
        SetLineProp(Item(kMiddleLineId), kit->m_pieMiddlePen);
    }
}

void CLstOilTestPie::RefreshAttributes(const AttributeList& list) {
    CBCGPProp* count = Item(list.countId);
    CBCGPProp* group = Item(list.groupId);
    unsigned shownCount = 0;
    if (!m_pKit || !count || !group || !numtext::WholeUnsigned(ItemText(count), &shownCount)) return;
    std::vector<CString>& entries = m_pKit->*list.entries;
    // A list longer than the items can show keeps its further entries untouched.
    const unsigned listed = static_cast<unsigned>(std::min<size_t>(entries.size(), kMaxAttributes));
    if (shownCount != listed) {
        if (shownCount == kUnfilledCount)
            count->SetValue(_variant_t(listed));
        else
            entries.resize(std::min<unsigned>(shownCount, kMaxAttributes));
        m_wndPropList.SetCurSel(nullptr);
        DeleteAllSubItems(group);
        const std::vector<CString> names =
            m_pKit->GetData() ? m_pKit->GetData()->GetFieldNames() : std::vector<CString>();
        const size_t items = std::min<size_t>(entries.size(), kMaxAttributes);
        for (size_t i = 0; i < items; ++i) {
            auto* item = new CBCGPProp(FormatString("属性%d", static_cast<int>(i) + 1), _variant_t(""),
                                       kAttributeDescription, list.firstId + i);
            for (const CString& name : names) item->AddOption(name.GetString());
            item->AllowEdit(FALSE);
            group->AddSubItem(item);
        }
        group->Expand(FALSE);
    }
    const size_t items = std::min<size_t>(entries.size(), kMaxAttributes);
    for (size_t i = 0; i < items; ++i) ShowTextIfChanged(Item(list.firstId + i), entries[i]);
    m_wndPropList.UpdateWindow();
    m_wndPropList.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    AdjustLayout();
    UpdateView();
}

void CLstOilTestPie::EnablePieItems(bool on) {
    for (DWORD_PTR id :
         {kSourceGroupId, kColorGroupId, kTextGroupId, kOutlineId, kLeaderId, kRadiusGroupId, kSideGroupId}) {
        CBCGPProp* group = Item(id);
        if (group) EnableSubItems(group, 0, group->GetSubItemsCount(), on ? TRUE : FALSE);
    }
}

// ---- write-back --------------------------------------------------------------------------------------------
LRESULT CLstOilTestPie::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpOilTest* kit = m_pKit;
    if (!item || !kit) return 0;
    // A list's text stands for the kit's value itself; a text the list refuses writes and redraws
    // nothing.
    int choice = 0;
    if (!wellplot::ReadChoice(item, &choice)) return 0;
    bool taken = true;
    switch (item->GetData()) {
        case kShownId:
            kit->m_nPieShow = choice;
            EnablePieItems(kit->m_nPieShow == 1);
            break;
        case kDataChoiceId:
            kit->m_nPieDataChoice = choice;
            oiltest::NameColorItems(Item(kOilColorId), Item(kGasColorId), Item(kWaterColorId), kit->m_nPieDataChoice);
            break;
        case kOilColorId:
            ReadColor(item, &kit->m_clrPieOil);
            break;
        case kGasColorId:
            ReadColor(item, &kit->m_clrPieGas);
            break;
        case kWaterColorId:
            ReadColor(item, &kit->m_clrPieWater);
            break;
        case kValueLabelId:
            kit->m_nPieShowValue = choice;
            break;
        case kPercentLabelId:
            kit->m_nPieShowPercent = choice;
            break;
        case kLeaderDrawnId:
            kit->m_nPieLeader = choice;
            break;
        case kRadiusModeId:
            kit->m_nPieRadiusMode = choice;
            break;
        case kRadiusId:  // the item's rule is this reader: every text it took reads, and shows as taken
            oiltest::ReadHundredths(ItemText(item), &kit->m_dPieRadius);
            oiltest::ShowHundredths(item, kit->m_dPieRadius);
            break;
        case kNullValuesId:
            kit->m_nPieDrawNull = choice;
            break;
        case kSideShownId:
            kit->m_nPieSideShow = choice;
            break;
        case kUpperCountId:
            RefreshUpperAttributes();
            break;
        case kLowerCountId:
            RefreshLowerAttributes();
            break;
        default:
            taken = EditFields(item);
            break;
    }
    // A size or width refused writes and redraws nothing; its item shows the stored value again.
    if (!taken) return 0;
    kit->InvalidSelf();
    UpdateView();
    return 0;
}

// The sub-items of the font and line groups, the decimals and the attribute items.
bool CLstOilTestPie::EditFields(CBCGPProp* item) {
    CWpOilTest* kit = m_pKit;
    const DWORD_PTR id = item->GetData();
    if (id > kLabelFontId && id <= kLabelFontId + 3)
        return oiltest::EditFontField(item, static_cast<int>(id - kLabelFontId - 1), kit->m_pieLabelFont, true);
    if (id > kSideFontId && id <= kSideFontId + 3)
        return oiltest::EditFontField(item, static_cast<int>(id - kSideFontId - 1), kit->m_pieSideFont, true);
    if (id > kOutlineId && id <= kOutlineId + 3)
        return oiltest::EditPenField(item, static_cast<int>(id - kOutlineId - 1), kit->m_pieOutlinePen);
    if (id > kLeaderId && id <= kLeaderId + 3)
        return oiltest::EditPenField(item, static_cast<int>(id - kLeaderId - 1), kit->m_pieLeaderPen);
    if (id > kMiddleLineId && id <= kMiddleLineId + 3)
        return oiltest::EditPenField(item, static_cast<int>(id - kMiddleLineId - 1), kit->m_pieMiddlePen);
    if (id == kDecimalsId) return oiltest::EditDecimals(item, &kit->m_nPieDecimals);
    EditAttribute(item);
    return true;
}

void CLstOilTestPie::EditAttribute(CBCGPProp* item) {
    for (const AttributeList* list : {&kUpper, &kLower}) {
        const DWORD_PTR id = item->GetData();
        if (id < list->firstId || id >= list->firstId + kMaxAttributes) continue;
        std::vector<CString>& entries = m_pKit->*list->entries;
        const size_t index = id - list->firstId;
        if (index < entries.size()) entries[index] = ItemText(item);
    }
}
