#include "wellplot/intervals/LstIntegratedCore.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "framework/GroupEdits.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/ItemGroupsLine.h"
#include "framework/NumberText.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "wellplot/KitPage.h"
#include "wellplot/PageLists.h"
#include "wellplot/WellPlotTexts.h"
#include "wellplot/intervals/DataSourceItems.h"
#include "wellplot/intervals/IntervalTexts.h"
#include "wellplot/intervals/KitItems.h"

namespace {

constexpr BYTE kNumberValues = 1;
// The items of "当前段": top, bottom, run number, core length, footage, recovery.
constexpr int kRunItems = 6;

const TextValue kCoringSources[] = {
    {ivtext::kWellData, DATA_WELL},
    {ivtext::kDiscreteData, DATA_DISCRETE},
};

// The alignment shown: the centred one reads "居中对齐", although the item offers "居中".
constexpr const char* kCentredShown = "居中对齐";
const TextValue kAlignShown[] = {
    {grouptext::kAlignLeft, CWpIntegratedCore::ALIGN_LEFT},
    {kCentredShown, CWpIntegratedCore::ALIGN_CENTER},
    {grouptext::kAlignRight, CWpIntegratedCore::ALIGN_RIGHT},
};

// The field items with the field each shows for the coring table.
struct FieldDef {
    DWORD_PTR id;
    const char* defaultField;
};
constexpr FieldDef kFields[] = {
    {CLstIntegratedCore::kTubeFieldId, "取芯筒次"},
    {CLstIntegratedCore::kLengthFieldId, "取芯长度"},
    {CLstIntegratedCore::kFootageFieldId, "取芯进尺"},
};

bool IsSegmentTable(const std::string& table) {
    return table == ivtext::kSegmentData1 || table == ivtext::kSegmentData2 || table == ivtext::kSegmentData3;
}

// A value typed for the active run: 0 or more; the depths are shown through single precision and
// the run number is whole, so a value beyond what they hold is refused. Also the rule of the items.
bool ReadRunValue(DWORD_PTR id, CBCGPProp* item, double* value) {
    double read = 0;
    float depth = 0;
    int number = 0;
    if (!numtext::LeadingNumber(ItemText(item), &read) || read < 0) return false;
    if ((id == CLstIntegratedCore::kRunTopId || id == CLstIntegratedCore::kRunBottomId) &&
        !numtext::FitFloat(read, 1, &depth))
        return false;
    if (id == CLstIntegratedCore::kRunTubeId && !numtext::FitInt(read, 1, &number)) return false;
    *value = read;
    return true;
}

CBCGPropFloat* NewRunValue(const char* name, int digits, const char* description, DWORD_PTR id, bool editable = true) {
    auto* item = new CBCGPropFloat(name, _variant_t(0.0), digits, description, FALSE, id);
    item->AllowEdit(editable ? TRUE : FALSE);
    ReadBy(item, KeptNumberRule([id](CBCGPProp* kept) {
               double value = 0;
               return ReadRunValue(id, kept, &value);
           }));
    return item;
}

// The depth at a run's position, read through single precision as the kit maps it; a position no
// float holds shows as no value.
double RunDepth(CWpIntegratedCore* kit, double position) {
    float y = 0;
    return numtext::FitFloat(position, 1, &y) ? kit->MapYToDep(y) : 0;
}

}  // namespace

double ShownRunValue(double value) {
    return !std::isfinite(value) || std::fabs(value - FLT_MAX) < FLT_EPSILON ? 0 : value;
}

CLstIntegratedCore::CLstIntegratedCore(CWpKit* kit)
    : m_pKit(wellplot::KitOf<CWpIntegratedCore>(reinterpret_cast<long>(kit))) {}
CLstIntegratedCore::~CLstIntegratedCore() = default;

CBCGPProp* CLstIntegratedCore::Item(DWORD_PTR id) const { return wellplot::ItemWithData(m_wndPropList, id); }

int CLstIntegratedCore::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;

    m_wndPropList.AddProperty(NewNamedTitleGroup(kTitleGroupId, kTitleNameId), TRUE, TRUE);

    auto* source = new CBCGPProp(ivtext::kDataSource, kSourceGroupId);
    // Any other type typed means discrete data.
    source->AddSubItem(
        NewFixedListItem(ivtext::kType, "", "数据类型", kSourceTypeId, kCoringSources, OtherTakenAs(DATA_DISCRETE), true));
    source->AddSubItem(NewOptionItem(ivtext::kDataTable, "", ivtext::kDataTable, kTableId, {}, true));
    for (const char* field : {"取芯筒次字段", "取芯长度字段", "取芯进尺字段"}) {
        const DWORD_PTR id = kTubeFieldId + static_cast<DWORD_PTR>(source->GetSubItemsCount() - 2);
        source->AddSubItem(NewOptionItem(field, "", field, id, {}, false));
    }
    m_wndPropList.AddProperty(source, TRUE, TRUE);

    auto* display = new CBCGPProp(ivtext::kDisplaySettings, kDisplayGroupId);
    for (const char* flag : {"显示顶底深度", "显示芯长", "显示收获率"}) {
        const DWORD_PTR id = kShowTopBtmId + static_cast<DWORD_PTR>(display->GetSubItemsCount());
        display->AddSubItem(NewYesNoList(flag, "", flag, id));
    }
    display->AddSubItem(CreateColorProp(ivtext::kBackColor, kBackColorId, ivtext::kBackColor));
    display->AddSubItem(NewYesNoList(ivtext::kBackTransparent, "", ivtext::kBackTransparent, kBackOpenId));
    // The item reads the alignments as the refresh shows them and offers its own three; any other
    // text is centred and then shows as the refresh shows centring.
    CBCGPProp* align = CreateHAlignProp("对齐", kAlignId, "水平对齐方式");
    CFixedListProp* aligns = FixedListOf(align);
    aligns->ClearEntries();
    aligns->AddEntries(kAlignShown);
    aligns->AddUnofferedEntry(grouptext::kAlignCenter, CWpIntegratedCore::ALIGN_CENTER);
    aligns->OfferOnly({grouptext::kAlignLeft, grouptext::kAlignCenter, grouptext::kAlignRight});
    aligns->SetOther(OtherTakenAs(CWpIntegratedCore::ALIGN_CENTER));
    display->AddSubItem(align);
    display->AddSubItem(CreateFontPropFloatSize(ivtext::kTextFont, kTextFontId));
    display->AddSubItem(CreateLineFloatProp("分割线线型", kLinePenId));
    m_wndPropList.AddProperty(display, TRUE, TRUE);

    auto* run = new CBCGPProp(ivtext::kCurrentSeg, kRunGroupId);
    run->AddSubItem(NewRunValue(ivtext::kTopDepth, 2, "当前段的顶深", kRunTopId));
    run->AddSubItem(NewRunValue(ivtext::kBottomDepth, 2, "当前段的底深", kRunBottomId));
    run->AddSubItem(NewRunValue("取芯筒次", 0, "当前段的筒次", kRunTubeId));
    run->AddSubItem(NewRunValue("取芯长度", 2, "当前段的取芯长度", kRunLengthId));
    run->AddSubItem(NewRunValue("取芯进尺", 2, "当前段取芯进尺", kRunFootageId, false));
    run->AddSubItem(NewRunValue("取芯收获率", 2, "当前段取芯收获率", kRunRecoveryId, false));
    m_wndPropList.AddProperty(run, TRUE, TRUE);
    return 0;
}

// ---- refresh ----------------------------------------------------------------------------------
void CLstIntegratedCore::UpdateBCGPProperty(long object, CString) {
    CWpIntegratedCore* kit = Kit();
    if (!wellplot::BeginKitRefresh(*this, object, kit)) return;
    ShowKitTitleItems(m_wndPropList, kit, kTitleNameId);
    ShowSource(kit);
    ShowDisplay(kit);
    UpdateView();
    ShowActiveRun(kit);
}

void CLstIntegratedCore::ShowSource(CWpIntegratedCore* kit) {
    const DATATYPE source = kit->GetDataSource();
    SetItemText(Item(kSourceTypeId), TextOfValue(kCoringSources, source, ivtext::kDiscreteData));
    CBCGPProp* table = Item(kTableId);
    if (!table) return;
    table->RemoveAllOptions();
    if (source == DATA_WELL) {
        for (const char* name :
             {ivtext::kCoringTable, ivtext::kSegmentData1, ivtext::kSegmentData2, ivtext::kSegmentData3})
            table->AddOption(name, TRUE);
    } else if (source == DATA_DISCRETE) {
        AddColPtDataSetOptions(table);
    }
    const std::string name = kit->GetTable();
    SetItemText(table, name.c_str());
    if (name == ivtext::kCoringTable) {
        kit->SetCoreTubeField(kFields[0].defaultField);
        kit->SetCoreLengthField(kFields[1].defaultField);
        kit->SetCoreFootageField(kFields[2].defaultField);
    }
    for (const FieldDef& def : kFields) {
        CBCGPProp* field = Item(def.id);
        if (!field) continue;
        field->RemoveAllOptions();
        if (source == DATA_WELL && IsSegmentTable(name))
            AddTableFieldOptions(CString(ivtext::kSegmentTablePrefix) + name.c_str(), field);
        else if (source == DATA_DISCRETE)
            FillValueNameOptions(field, name.c_str(), kNumberValues);
    }
    SetItemText(Item(kTubeFieldId), kit->GetCoreTubeField().c_str());
    SetItemText(Item(kLengthFieldId), kit->GetCoreLengthField().c_str());
    SetItemText(Item(kFootageFieldId), kit->GetCoreFootageField().c_str());
    kit->ComposeDataName();
}

void CLstIntegratedCore::ShowDisplay(CWpIntegratedCore* kit) {
    SetYesNoProp(Item(kShowTopBtmId), kit->GetShowTopBtm());
    SetYesNoProp(Item(kShowCoreId), kit->GetShowCore());
    SetYesNoProp(Item(kShowRecoveryId), kit->GetShowRecovery());
    ShowColor(Item(kBackColorId), kit->GetBackColor().fillColor);
    SetYesNoProp(Item(kBackOpenId), kit->GetBackColorOpen());
    SetItemText(Item(kAlignId), TextOfValue(kAlignShown, kit->GetHorizontalAlign(), kCentredShown));
    if (CBCGPProp* font = Item(kTextFontId)) EnableFontProp(font, kit->GetTextFont(), true);
    if (CBCGPProp* pen = Item(kLinePenId)) EnableLineProp(pen, kit->GetLinePen(), true);
}

namespace {

// The six values of the active run as the items show them; false without one.
bool ActiveRunValues(CWpIntegratedCore* kit, double (&shown)[kRunItems]) {
    if (kit->GetActiveSeg() == -1 || kit->GetSegCount() == 0) return false;
    WPSEGMENT* run = kit->GetSeg(kit->GetActiveSeg());
    if (!run) return false;
    const WpSegDataRef held = run->data;  // kept while the values are read
    const WPSEGDATA values = held.Get() ? *held.Get() : WPSEGDATA();
    const double read[kRunItems] = {
        RunDepth(kit, run->top),
        RunDepth(kit, run->bottom),
        static_cast<double>(values.runNumber),
        values.coreLength,
        values.footage,
        values.recovery,
    };
    for (int i = 0; i < kRunItems; ++i) shown[i] = ShownRunValue(read[i]);
    return true;
}

}  // namespace

// Without an active run the items are disabled and keep what they showed.
void CLstIntegratedCore::ShowActiveRun(CWpIntegratedCore* kit) {
    CBCGPProp* group = Item(kRunGroupId);
    if (!group) return;
    EnableSubItemsDeep(group, 0, -1, kit->GetActiveSeg() != -1);
    double shown[kRunItems] = {};
    if (!ActiveRunValues(kit, shown)) return;
    for (int i = 0; i < group->GetSubItemsCount() && i < kRunItems; ++i)
        group->GetSubItem(i)->SetValue(_variant_t(shown[i]));
}

// A refused size, width or run value: that item alone shows the stored value as the refresh does.
void CLstIntegratedCore::ShowStored(CWpIntegratedCore* kit, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    double shown[kRunItems] = {};
    if (id >= kRunTopId && id < kRunTopId + kRunItems) {
        if (ActiveRunValues(kit, shown)) item->SetValue(_variant_t(shown[id - kRunTopId]));
        return;
    }
    ShowStoredValueOf(item, {{kTitleFontId + 2, wellplot::TitleFontOf(kit).size / numtext::kHundredths},
                             {kTextFontId + 2, kit->GetTextFont().size / numtext::kHundredths},
                             {kLinePenId + 2, kit->GetLinePen().width / numtext::kHundredths}});
}

// ---- write-back -------------------------------------------------------------------------------
LRESULT CLstIntegratedCore::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpIntegratedCore* kit = Kit();
    // A list's text stands for the value stored.
    int choice = 0;
    if (!item || !kit || !wellplot::ReadChoice(item, &choice)) return 0;
    const CString text = ItemText(item);
    bool taken = true;
    switch (item->GetData()) {
        case kTitleNameId:
            kit->SetTitleText(text);
            break;
        case kTitleDirectionId:
            kit->SetTitleDirection(choice);
            break;
        case kSourceTypeId:
        case kTableId:
            if (item->GetData() == kSourceTypeId) {
                kit->SetDataSource(static_cast<DATATYPE>(choice));
                kit->SetTable("");
            } else {
                kit->SetTable(text.str());
            }
            kit->SetCoreTubeField("");
            kit->SetCoreLengthField("");
            kit->SetCoreFootageField("");
            break;
        case kTubeFieldId:
            kit->SetCoreTubeField(text.str());
            break;
        case kLengthFieldId:
            kit->SetCoreLengthField(text.str());
            break;
        case kFootageFieldId:
            kit->SetCoreFootageField(text.str());
            break;
        case kShowTopBtmId:
            kit->SetShowTopBtm(choice != 0);
            break;
        case kShowCoreId:
            kit->SetShowCore(choice != 0);
            break;
        case kShowRecoveryId:
            kit->SetShowRecovery(choice != 0);
            break;
        case kBackOpenId:
            kit->SetBackColorOpen(choice != 0);
            break;
        case kAlignId:
            kit->SetHorizontalAlign(static_cast<CWpIntegratedCore::HorizontalAlign>(choice));
            break;
        case kRunTopId:
        case kRunBottomId:
        case kRunTubeId:
        case kRunLengthId:
            taken = EditRun(kit, item);
            break;
        default:
            taken = EditRecord(kit, item);
            break;
    }
    if (!taken) {
        // Nothing was written: no redraw, no modified flag; the item shows the stored value again.
        ShowStored(kit, item);
        return 0;
    }
    kit->InvalidSelf();
    kit->SetModifyFlag(1);
    kit->UpdateParent();
    UpdateView();
    return 0;
}

// A sub-item of the title font, the text font, the separating line or the background colour: only
// the edited field is read (a face or colour picked keeps the stored size); false for a size or
// width refused.
bool CLstIntegratedCore::EditRecord(CWpIntegratedCore* kit, CBCGPProp* item) {
    CBCGPProp* group = item->GetParent();
    const DWORD_PTR groupId = group ? group->GetData() : kRunGroupId;
    const int field = EditedFieldPosition(item);
    if (groupId == kTitleFontId || groupId == kTextFontId) {
        QXLOGFONT font = groupId == kTitleFontId ? wellplot::TitleFontOf(kit) : kit->GetTextFont();
        if (!GetFontSubProp(item, font, field)) return false;
        if (groupId == kTitleFontId)
            kit->SetTitleFont(&font);
        else
            kit->SetTextFont(font);
    } else if (groupId == kLinePenId) {
        QXLOGPEN pen = kit->GetLinePen();
        if (!GetLineSubProp(item, pen, field)) return false;
        kit->SetLinePen(pen);
    } else if (item->GetData() == kBackColorId) {
        QXLOGBRUSH brush = kit->GetBackColor();
        if (ReadColor(item, &brush.fillColor)) kit->SetBackColor(brush);
    }
    return true;
}

// False for a value the page's reader refuses and
// for one the kit leaves (its stamp unchanged), as the other interval pages refuse them.
bool CLstIntegratedCore::EditRun(CWpIntegratedCore* kit, CBCGPProp* item) {
    double value = 0;
    const uint64_t stamp = kit->GetTimeStamp();
    if (!ReadRunValue(item->GetData(), item, &value)) return false;
    switch (item->GetData()) {
        case kRunTopId:
            kit->SetSelectCoreTopDep(value);
            break;
        case kRunBottomId:
            kit->SetSelectCoreBtmDep(value);
            break;
        case kRunTubeId:
            kit->SetSelectCoreTube(value);
            break;
        default:
            kit->SetSelectCoreLen(value);
            break;
    }
    return kit->GetTimeStamp() != stamp;
}
