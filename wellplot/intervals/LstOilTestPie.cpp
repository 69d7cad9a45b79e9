#include "wellplot/intervals/LstOilTestPie.h"

#include <algorithm>

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
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
#include "wellplot/intervals/OilTestCommon.h"

IMPLEMENT_DYNCREATE(CLstOilTestPie, CWndLst)

namespace {

constexpr const char* kNotShown = "不显示";
constexpr const char* kDraw = "绘制";
constexpr const char* kNoDraw = "不绘制";
constexpr const char* kFixed = "固定";
constexpr const char* kProportional = "比例";
constexpr const char* kAttributeDescription = "选择绘制饼图的属性";

CBCGPColorProp* NewPieColor(const char* name, DWORD_PTR id) {
    return NewGroupColorProp(name, "指定颜色", id, RGB(0, 0, 0));
}

CBCGPProp* NewCountItem(const char* name, const char* description, DWORD_PTR id) {
    auto* item = new CBCGPProp(name, _variant_t(CLstOilTestPie::kUnfilledCount), description, id);
    for (int d = 0; d <= 9; ++d) item->AddOption(FormatString("%d", d));
    item->AllowEdit(FALSE);
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
    m_wndPropList.AddProperty(CreateYesNoProp(wptext::kShown, kShownId, _variant_t(""), nullptr));

    auto* source = new CBCGPProp("数据源", kSourceGroupId);
    source->AddSubItem(
        oiltest::NewChoice(wptext::kType, oiltest::kDaily, "", kDataChoiceId, {oiltest::kDaily, oiltest::kCumulative}));
    m_wndPropList.AddProperty(source);

    auto* colors = new CBCGPProp(grouptext::kColor, kColorGroupId);
    colors->AddSubItem(NewPieColor(oiltest::kDailyOil, kOilColorId));
    colors->AddSubItem(NewPieColor(oiltest::kDailyGas, kGasColorId));
    colors->AddSubItem(NewPieColor(oiltest::kDailyWater, kWaterColorId));
    m_wndPropList.AddProperty(colors);

    auto* text = new CBCGPProp(wptext::kText, kTextGroupId);
    text->AddSubItem(oiltest::NewChoice("属性值", "", "", kValueLabelId, {wptext::kShown, kNotShown}));
    text->AddSubItem(oiltest::NewChoice("百分比", "", "", kPercentLabelId, {wptext::kShown, kNotShown}));
    text->AddSubItem(NewExpandedFont(wptext::kFont, kLabelFontId));
    text->AddSubItem(CreateIndexProp("小数位数", kDecimalsId, nullptr, 8));
    m_wndPropList.AddProperty(text);

    m_wndPropList.AddProperty(
        CreateLineProp("线型", kOutlineId, false, penfont::HundredthsRule(penfont::Accept::ZeroOrMore)));
    CBCGPProp* leader =
        CreateLineProp("指示线", kLeaderId, false, penfont::HundredthsRule(penfont::Accept::ZeroOrMore));
    leader->AddSubItem(CreateYesNoProp(kDraw, kLeaderDrawnId, _variant_t(""), nullptr));
    m_wndPropList.AddProperty(leader);

    auto* radius = new CBCGPProp("控制线", kRadiusGroupId);
    radius->AddSubItem(oiltest::NewChoice("方式", kFixed, "", kRadiusModeId, {kFixed, kProportional}));
    radius->AddSubItem(NewSizeTextItem("半径大小", "", kRadiusId, oiltest::WideHundredthsRule()));
    radius->AddSubItem(oiltest::NewChoice("空值", "", nullptr, kNullValuesId, {kDraw, kNoDraw}));
    m_wndPropList.AddProperty(radius);

    auto* side = new CBCGPProp("饼旁标注", kSideGroupId);
    side->AddSubItem(CreateYesNoProp(wptext::kShown, kSideShownId, _variant_t(""), nullptr));
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
    const CString text = ItemText(item);
    bool taken = true;
    switch (item->GetData()) {
        case kShownId:
            kit->m_nPieShow = GetYesNoProp(item) ? 1 : 0;
            EnablePieItems(kit->m_nPieShow == 1);
            break;
        case kDataChoiceId:
            kit->m_nPieDataChoice = oiltest::DataChoiceOfText(text);
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
        case kRadiusModeId:
            kit->m_nPieRadiusMode = text == kFixed ? 0 : 1;
            break;
        case kRadiusId:
            taken = oiltest::ReadHundredths(ItemText(item), &kit->m_dPieRadius);
            oiltest::ShowHundredths(item, kit->m_dPieRadius);
            break;
        case kNullValuesId:
            kit->m_nPieDrawNull = text == kNoDraw ? 0 : 1;
            break;
        case kUpperCountId:
        case kLowerCountId:
            taken = ChooseCount(item->GetData() == kUpperCountId ? kUpper : kLower, item);
            break;
        default:
            taken = EditLabels(item);
            break;
    }
    // A value refused writes and redraws nothing; its item shows the stored value again.
    if (!taken) return 0;
    kit->InvalidSelf();
    UpdateView();
    return 0;
}

// A count of lines is one the item offers (0 to 9); any other text reported is refused, and the
// item shows the count of the kit's list again.
bool CLstOilTestPie::ChooseCount(const AttributeList& list, CBCGPProp* item) {
    unsigned count = 0;
    if (!numtext::WholeUnsigned(ItemText(item), &count) || count >= kUnfilledCount) {
        const size_t listed = std::min<size_t>((m_pKit->*list.entries).size(), kMaxAttributes);
        item->SetValue(_variant_t(static_cast<unsigned>(listed)));
        return false;
    }
    RefreshAttributes(list);
    return true;
}

bool CLstOilTestPie::EditLabels(CBCGPProp* item) {
    CWpOilTest* kit = m_pKit;
    const DWORD_PTR id = item->GetData();
    switch (id) {
        case kValueLabelId:
            kit->m_nPieShowValue = ItemText(item) == wptext::kShown ? 1 : 0;
            return true;
        case kPercentLabelId:
            kit->m_nPieShowPercent = ItemText(item) == wptext::kShown ? 1 : 0;
            return true;
        case kLabelFontId + 1:
        case kLabelFontId + 2:
        case kLabelFontId + 3:
            return oiltest::EditFontField(item, static_cast<int>(id - kLabelFontId - 1), kit->m_pieLabelFont, true);
        case kDecimalsId:
            return oiltest::EditDecimals(item, &kit->m_nPieDecimals);
        default:
            return EditLines(item);
    }
}

bool CLstOilTestPie::EditLines(CBCGPProp* item) {
    CWpOilTest* kit = m_pKit;
    const DWORD_PTR id = item->GetData();
    if (id > kOutlineId && id <= kOutlineId + 3)
        return oiltest::EditPenField(item, static_cast<int>(id - kOutlineId - 1), kit->m_pieOutlinePen);
    if (id > kLeaderId && id <= kLeaderId + 3)
        return oiltest::EditPenField(item, static_cast<int>(id - kLeaderId - 1), kit->m_pieLeaderPen);
    if (id == kLeaderDrawnId) {
        kit->m_nPieLeader = GetYesNoProp(item) ? 1 : 0;
        return true;
    }
    return EditSide(item);
}

bool CLstOilTestPie::EditSide(CBCGPProp* item) {
    CWpOilTest* kit = m_pKit;
    const DWORD_PTR id = item->GetData();
    if (id == kSideShownId) {
        kit->m_nPieSideShow = ItemText(item) == grouptext::kYes ? 1 : 0;
        return true;
    }
    if (id > kSideFontId && id <= kSideFontId + 3)
        return oiltest::EditFontField(item, static_cast<int>(id - kSideFontId - 1), kit->m_pieSideFont, true);
    if (id > kMiddleLineId && id <= kMiddleLineId + 3)
        return oiltest::EditPenField(item, static_cast<int>(id - kMiddleLineId - 1), kit->m_pieMiddlePen);
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
