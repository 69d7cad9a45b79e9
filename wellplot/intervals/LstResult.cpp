#include "wellplot/intervals/LstResult.h"

#include "framework/FixedList.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsFill.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "hosttypes/Zephyr/WpResult.h"
#include "wellplot/KitPage.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/DataSourceNames.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

IMPLEMENT_DYNCREATE(CLstResult, CWndLst)

namespace {

constexpr const char* kPageTitle = "解释结果";

CBCGPProp* NewCollapsed(const char* name, DWORD_PTR id) {
    auto* group = new CBCGPProp(name, id);
    group->Expand(FALSE);
    return group;
}

// A display group: "显示" and its style group, the style group enabled with the switch.
void ShowSwitched(CBCGPProp* visible, CBCGPProp* style, bool on) {
    SetYesNoProp(visible, on);
    EnableAllSubItems(style, on ? TRUE : FALSE);
}

}  // namespace

CLstResult::CLstResult() = default;
CLstResult::CLstResult(CWpKit* kit) : m_pKit(wellplot::KitOf<CWpResult>(reinterpret_cast<long>(kit))) {}
CLstResult::~CLstResult() = default;

int CLstResult::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    m_wndPropList.AddProperty(NewKitTitleGroup(kTitleGroupId, kTitleTextId, kTitleDirectionId, kPageTitle,
                                               CreateFontProp(wptext::kFont, kTitleFontId), false),
                              TRUE, TRUE);

    auto* source = new CBCGPProp(ivtext::kDataSource, kSourceGroupId);
    source->AddSubItem(NewSourceTypeItem(ivtext::kType, kSourceTypeId, true, kOtherRefused));
    source->AddSubItem(NewOptionItem(ivtext::kDataTable, "", nullptr, kTableId, {}, false));
    source->AddSubItem(NewOptionItem(ivtext::kField, "", nullptr, kFieldId, {}, false));
    m_wndPropList.AddProperty(source, TRUE, TRUE);

    auto* display = new CBCGPProp(ivtext::kDisplay, kDisplayGroupId);
    CBCGPProp* line = NewCollapsed(ivtext::kDivideLine, kLineGroupId);
    line->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kLineVisibleId));
    line->AddSubItem(CreateLineProp(ivtext::kLineSetting, kLineStyleId, false));
    display->AddSubItem(line);
    CBCGPProp* point = NewCollapsed("分界点", kPointGroupId);
    point->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kPointVisibleId));
    point->AddSubItem(CreatePointProp("点型设置", kPointStyleId));
    display->AddSubItem(point);
    CBCGPProp* label = NewCollapsed(ivtext::kName, kLabelGroupId);
    label->AddSubItem(NewYesNoList(wptext::kShown, "", nullptr, kLabelVisibleId));
    label->AddSubItem(CreateFontProp(ivtext::kFontSetting, kLabelFontId));
    display->AddSubItem(label);
    m_wndPropList.AddProperty(display, TRUE, TRUE);

    static_assert(kConclusionId == kSegmentGroupId + 3, "the interval's items follow their group");
    m_wndPropList.AddProperty(NewActiveSegmentGroup(kSegmentGroupId, "解释结论"), TRUE, TRUE);
    return 0;
}

// ---- refresh ------------------------------------------------------------------------------------------------
void CLstResult::UpdateBCGPProperty(long object, CString) {
    CWpResult* kit = wellplot::KitOf<CWpResult>(object);
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    m_pKit = kit;
    ShowTextIfChanged(Item(kTitleTextId), wellplot::TitleToText(kit->GetTitleText()));
    SetOrientationProp(Item(kTitleDirectionId), kit->GetTitleDirection());
    SetFontProp(Item(kTitleFontId), wellplot::TitleFontOf(kit));
    ShowSource(kit);
    ShowDisplay(kit);
    ShowFixed(Item(kTopDepthId), kit->GetActiveSegTopDepth(), 2);
    ShowFixed(Item(kBottomDepthId), kit->GetActiveSegBotDepth(), 2);
    SetItemText(Item(kConclusionId), kit->GetActiveSegValue());
}

void CLstResult::ShowSource(CWpResult* kit) {
    const CString stored = kit->GetDataType();
    SetItemText(Item(kSourceTypeId), ShownSourceType(stored));
    CBCGPProp* table = Item(kTableId);
    CBCGPProp* field = Item(kFieldId);
    ClearChoice(table);
    ClearChoice(field);
    if (stored == SourceNames().graphics) return;
    SetItemText(table, kit->GetDataTable());
    SetItemText(field, kit->GetDataField());
    AddTableOptions(table, kit->GetDataInfo(), stored);
    AddFieldOptions(field, kit->GetDataInfo(), stored, kit->GetDataTable());
}

void CLstResult::ShowDisplay(CWpResult* kit) {
    SetLineProp(Item(kLineStyleId), kit->GetDivideLinePen());
    ShowSwitched(Item(kLineVisibleId), Item(kLineStyleId), kit->IsDivideLineVisible());
    SetPointProp(Item(kPointStyleId), kit->GetDivideLogPoint());
    ShowSwitched(Item(kPointVisibleId), Item(kPointStyleId), kit->IsDividePointVisible());
    SetFontProp(Item(kLabelFontId), kit->GetLabelFont());
    ShowSwitched(Item(kLabelVisibleId), Item(kLabelFontId), kit->IsLabelVisible());
}

// ---- write-back ---------------------------------------------------------------------------------------------
LRESULT CLstResult::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpResult* kit = wellplot::CurrentKit<CWpResult>(*this);
    if (!item || !kit) return 0;
    m_pKit = kit;
    if (!ApplyGroup(kit, item) || !ApplyItem(kit, item)) return 0;
    kit->InvalidSelf();
    kit->UpdateParent();
    UpdateView();
    return 0;
}

bool CLstResult::ApplyGroup(CWpResult* kit, CBCGPProp* item) {
    CBCGPProp* group = item->GetParent();
    if (!group) return true;
    switch (group->GetData()) {
        case kTitleFontId: {
            QXLOGFONT font = wellplot::TitleFontOf(kit);
            if (!EditGroupField(item, font)) return false;
            kit->SetTitleFont(&font);
            break;
        }
        case kLineStyleId:
            if (!EditGroupField(item, kit->GetDivideLinePen())) return false;
            break;
        case kPointStyleId:
            if (!EditGroupField(item, kit->GetDivideLogPoint())) return false;
            break;
        case kLabelFontId:
            if (!EditGroupField(item, kit->GetLabelFont())) return false;
            break;
        default:
            return true;
    }
    kit->InvalidSelf();
    UpdateView();
    return true;
}

bool CLstResult::ApplyItem(CWpResult* kit, CBCGPProp* item) {
    const CString text = ItemText(item);
    const DataSourceNames& names = SourceNames();
    switch (item->GetData()) {
        case kTitleTextId:
            kit->SetTitleText(wellplot::TextToTitle(text));
            break;
        case kTitleDirectionId:
            kit->SetTitleDirection(GetOrientationProp(item));
            break;
        case kSourceTypeId: {
            // A text that names no type (from code) is refused.
            int kind = 0;
            if (!ReadFixedList(item, &kind)) return false;
            const CString type = StoredSourceKind(kind);
            ClearChoice(Item(kTableId));
            ClearChoice(Item(kFieldId));
            if (type == names.graphics)
                kit->SetData(type, CString(), ivtext::kLogInterpretation);
            else
                AddTableOptions(Item(kTableId), kit->GetDataInfo(), type);
            return false;
        }
        case kTableId:
            ClearChoice(Item(kFieldId));
            AddFieldOptions(Item(kFieldId), kit->GetDataInfo(), StoredSourceType(ItemText(Item(kSourceTypeId))), text);
            return false;
        case kFieldId:
            kit->SetData(StoredSourceType(ItemText(Item(kSourceTypeId))), ItemText(Item(kTableId)), text);
            break;
        case kLineVisibleId:
        case kPointVisibleId:
        case kLabelVisibleId:
            return ApplySwitch(kit, item);
        case kConclusionId:
            kit->SetActiveSegValue(text);
            break;
        default:
            break;
    }
    return true;
}

// A display switch and the style group it enables; false for a text its list refuses.
bool CLstResult::ApplySwitch(CWpResult* kit, CBCGPProp* item) {
    static const struct {
        DWORD_PTR id;
        DWORD_PTR group;
        void (CWpResult::*set)(bool);
    } kSwitches[] = {{kLineVisibleId, kLineStyleId, &CWpResult::SetDivideLineVisible},
                     {kPointVisibleId, kPointStyleId, &CWpResult::SetDividePointVisible},
                     {kLabelVisibleId, kLabelFontId, &CWpResult::SetLabelVisible}};
    bool shown = false;
    if (!ReadYesNo(item, &shown)) return false;
    for (const auto& entry : kSwitches) {
        if (entry.id != item->GetData()) continue;
        (kit->*entry.set)(shown);
        EnableAllSubItems(Item(entry.group), shown ? TRUE : FALSE);
    }
    return true;
}
