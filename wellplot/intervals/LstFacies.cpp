#include "wellplot/intervals/LstFacies.h"

#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/PropEx.h"
#include "framework/PropFloat.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "framework/PropItems.h"
#include "wellplot/KitPage.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/DataSourceItems.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

const TextValue kFaciesSources[12] = {
    {ivtext::kGraphic, 0},        {"一级分层界限", 1}, {"二级分层界限", 2}, {"三级分层界限", 3},
    {"四级分层界限", 4},          {"五级分层界限", 5}, {"一级分层数据", 6}, {"二级分层数据", 7},
    {"三级分层数据", 8},          {"四级分层数据", 9}, {"五级分层数据", 10}, {ivtext::kDiscreteData, 11},
};

namespace {

constexpr int kStratumLevels = 5;
constexpr int kFirstDataSource = 6;

CBCGPProp* NewShownSwitch(DWORD_PTR id) { return NewYesNoList(wptext::kShown, "", "", id); }

CBCGPProp* Collapsed(CBCGPProp* group) {
    group->Expand(FALSE);
    return group;
}

CBCGPropFloat* NewDepth(const char* name, const char* description, DWORD_PTR id) {
    auto* item = new CBCGPropFloat(name, _variant_t(0.0), 2, description, FALSE, id);
    item->AllowEdit(FALSE);
    return item;
}

const char* YesNo(bool yes) { return yes ? grouptext::kYes : grouptext::kNo; }

}  // namespace

CLstFacies::CLstFacies(CWpKit* kit) : m_pKit(wellplot::KitOf<CWpFacies>(reinterpret_cast<long>(kit))) {}
CLstFacies::~CLstFacies() = default;

CBCGPProp* CLstFacies::Item(DWORD_PTR id) const { return m_wndPropList.FindItemByData(id, TRUE); }

int CLstFacies::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    auto* title = new CBCGPProp(wptext::kTitle, kTitleGroupId);
    title->AddSubItem(new CBCGPProp(ivtext::kName, _variant_t(""), "", kTitleNameId));
    title->AddSubItem(CreateOrientationProp(wptext::kDirection, kTitleDirectionId, _variant_t(""),
                                            ivtext::kTitleDirectionDescription));
    title->AddSubItem(Collapsed(CreateFontPropFloatSize(wptext::kFont, kTitleFontId)));
    m_wndPropList.AddProperty(title, TRUE, TRUE);

    auto* source = new CBCGPPropEx(ivtext::kDataSource, kSourceGroupId);
    // Every source's text names it, but only those the plot holds data for are offered; any other
    // text is source -1.
    CFixedListProp* type = wellplot::NewSettingList(ivtext::kType, "", kSourceTypeId, kFaciesSources);
    std::vector<CString> offered;
    CWellDataManager* wells = CWellDataManager::Instance();
    for (int level = 0; level < kStratumLevels; ++level)
        if (wells->GetStratumCount(level) > 0) offered.emplace_back(kFaciesSources[1 + level].text);
    for (int level = 0; level < kStratumLevels; ++level)
        if (wells->GetStratumCount(level) > 0) offered.emplace_back(kFaciesSources[kFirstDataSource + level].text);
    offered.emplace_back(ivtext::kDiscreteData);
    offered.emplace_back(ivtext::kGraphic);
    type->OfferOnly(offered);
    source->AddSubItem(type);
    m_wndPropList.AddProperty(source, TRUE, TRUE);

    auto* display = new CBCGPProp(ivtext::kDisplay, kDisplayGroupId);
    CBCGPProp* names = Collapsed(new CBCGPProp("相名", kNameGroupId));
    names->AddSubItem(NewShownSwitch(kNameShowId));
    names->AddSubItem(Collapsed(CreateFontPropFloatSize(ivtext::kFontSetting, kNameFontId)));
    display->AddSubItem(names);
    CBCGPProp* divide = Collapsed(new CBCGPProp(ivtext::kDivideLine, kDivideGroupId));
    divide->AddSubItem(NewShownSwitch(kDivideShowId));
    divide->AddSubItem(Collapsed(CreateLineFloatProp(ivtext::kLineSetting, kDividePenId)));
    display->AddSubItem(divide);
    m_wndPropList.AddProperty(display, TRUE, TRUE);

    auto* current = new CBCGPProp(ivtext::kCurrentSeg, kCurrentSegGroupId);
    current->AddSubItem(NewDepth(ivtext::kTopDepth, "段顶深", kTopId));
    current->AddSubItem(NewDepth(ivtext::kBottomDepth, "段底深", kBottomId));
    current->AddSubItem(NewOptionItem("相名称", "", "相得指定名称", kFaciesNameId, {}, false));
    m_wndPropList.AddProperty(current, TRUE, TRUE);
    return 0;
}

// ---- refresh ----------------------------------------------------------------------------------
void CLstFacies::UpdateBCGPProperty(long object, CString) {
    CWpFacies* kit = Kit();
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    ShowKitTitleItems(m_wndPropList, kit, kTitleNameId);
    ShowSource(kit);
    ShowDisplay(kit);
    ShowActiveSeg(kit);
    m_wndPropList.AdjustLayout();
}

// The table and field items exist only while the source is a discrete data set; they start empty.
void CLstFacies::ShowSource(CWpFacies* kit) {
    CBCGPProp* source = Item(kSourceGroupId);
    if (!source) return;
    m_wndPropList.SetCurSel(nullptr);
    DeleteLastSubItems(source, source->GetSubItemsCount() - 1);
    SetItemText(Item(kSourceTypeId), TextOfValue(kFaciesSources, kit->m_faciesSource, ""));
    if (kit->m_faciesSource != kDiscreteSource) return;
    CBCGPProp* table = NewOptionItem(ivtext::kDiscreteTable, "", "", kTableId, {}, false);
    AddSegmentDataOptions(table);
    source->AddSubItem(table);
    source->AddSubItem(NewOptionItem("相类型字段", "", "", kFieldId, {}, false));
}

void CLstFacies::ShowDisplay(CWpFacies* kit) {
    SetItemText(Item(kNameShowId), YesNo(kit->IsFaciesNameShow()));
    if (CBCGPProp* font = Item(kNameFontId)) EnableFontProp(font, kit->GetFaciesNameFont(), kit->IsFaciesNameShow());
    SetItemText(Item(kDivideShowId), YesNo(kit->IsDivideLineVisible()));
    if (CBCGPProp* pen = Item(kDividePenId)) EnableLineProp(pen, kit->GetDivideLinePen(), kit->IsDivideLineVisible());
}

// Without an active interval the items keep what they showed.
void CLstFacies::ShowActiveSeg(CWpFacies* kit) {
    const int seg = kit->GetActiveSeg();
    if (seg < 0) return;
    if (CBCGPProp* top = Item(kTopId)) top->SetValue(_variant_t(kit->GetSegTopDpth(seg)));
    if (CBCGPProp* bottom = Item(kBottomId)) bottom->SetValue(_variant_t(kit->GetSegBottomDpth(seg)));
    CBCGPProp* name = Item(kFaciesNameId);
    if (!name) return;
    name->RemoveAllOptions();
    if (LogFaciesTypeMgrIO* types = kit->GetFaciesTypeMgr())
        for (int i = 0; i < types->GetFaciesTypeCount(); ++i) name->AddOption(types->GetFaciesTypeName(i), TRUE);
    SetItemText(name, kit->GetFaciesName(seg));
}

// ---- write-back -------------------------------------------------------------------------------
LRESULT CLstFacies::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpFacies* kit = Kit();
    if (!item || !kit) return 0;
    // A list's text stands for the value stored.
    int choice = 0;
    if (!wellplot::ReadChoice(item, &choice)) return 0;
    const CString text = ItemText(item);
    switch (item->GetData()) {
    case kTitleNameId:
        kit->SetTitleText(text);
        UpdateView();
        break;
    case kTitleDirectionId:
        kit->SetTitleDirection(choice);
        UpdateView();
        kit->InvalidSelf();
        break;
    case kSourceTypeId:
        ChooseSource(kit, choice);
        break;
    case kTableId:
        if (CBCGPProp* field = Item(kFieldId)) {
            FillDiscreteFieldOptions(text, field);
            SetItemText(field, "");
        }
        break;
    case kFieldId:
        ChooseField(kit, item);
        break;
    case kNameShowId:
        kit->ShowFaciesName(choice != 0);
        SetKitTimeStamp(kit);
        UpdateView();
        break;
    case kDivideShowId:
        kit->SetDivideLineVisible(choice != 0);
        SetKitTimeStamp(kit);
        UpdateView();
        break;
    case kFaciesNameId:
        kit->SetFaciesName(text, kit->GetActiveSeg());  // nothing is redrawn
        break;
    default:
        EditRecord(kit, item);
        break;
    }
    return 0;
}

void CLstFacies::ChooseSource(CWpFacies* kit, int source) {
    WDMgrIO* data = WellDataOf(kit);
    kit->SetData(data ? data->GetFacies(source, "") : nullptr);
    kit->UpdateSelf();
    kit->m_faciesSource = static_cast<FACIESSOURCE>(source);
    SetKitTimeStamp(kit);
}

// A discrete set's facies: its table and field, both chosen, name the data.
void CLstFacies::ChooseField(CWpFacies* kit, CBCGPProp* item) {
    CBCGPProp* parent = item->GetParent();
    const CString table = parent ? ItemText(parent->GetSubItem(1)) : CString();
    const CString field = ItemText(item);
    if (table.IsEmpty() || field.IsEmpty()) return;
    WDMgrIO* data = WellDataOf(kit);
    kit->SetData(data ? data->GetFacies(kDiscreteSource, table + " " + field) : nullptr);
    kit->UpdateSelf();
}

// A sub-item of the title font, the facies-name font or the divide-line pen: its field read over a
// copy of the kit's record, which the kit then stores; a size or width refused stores nothing.
void CLstFacies::EditRecord(CWpFacies* kit, CBCGPProp* item) {
    CBCGPProp* group = item->GetParent();
    switch (group ? group->GetData() : 0) {
        case kTitleFontId: {
            QXLOGFONT font = wellplot::TitleFontOf(kit);
            if (!EditGroupField(item, font)) return;
            kit->SetTitleFont(&font);
            break;
        }
        case kNameFontId: {
            QXLOGFONT font = kit->GetFaciesNameFont();
            if (!EditGroupField(item, font)) return;
            kit->SetFaciesNameFont(font);
            kit->InvalidSelf();
            break;
        }
        case kDividePenId: {
            QXLOGPEN pen = kit->GetDivideLinePen();
            if (!EditGroupField(item, pen)) return;
            kit->SetDivideLinePen(pen);
            break;
        }
        default:
            return;
    }
    UpdateView();
}
