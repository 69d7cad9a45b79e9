#include "wellplot/intervals/LstShoot.h"

#include <string>

#include "framework/PropItems.h"
#include "hosttypes/Tinder/ParseString.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpShoot.h"
#include "wellplot/PageLists.h"
#include "wellplot/intervals/DataSourceItems.h"
#include "wellplot/intervals/DiscreteItems.h"
#include "wellplot/intervals/IntervalTexts.h"

const TextValue kShootTypes[2] = {{"射孔", SHOOT_PERFORATION}, {"补孔", SHOOT_REPERFORATION}};

namespace {

const TextValue kShootSources[] = {
    {ivtext::kWellData, SHOOT_WELL},
    {ivtext::kDiscreteData, SHOOT_DISCRETE},
};
// The sources offered: any other text names none.
const TextValue kOfferedSources[] = {
    {ivtext::kWellData, SHOOT_WELL},
    {ivtext::kDiscreteData, SHOOT_DISCRETE},
    {ivtext::kGraphic, SHOOT_NONE},
};

CBCGPProp* NewListItem(const char* name, DWORD_PTR id) { return NewOptionItem(name, "", "", id, {}, false); }

}  // namespace

CLstShoot::CLstShoot() = default;
CLstShoot::~CLstShoot() = default;

CWpShoot* CLstShoot::Kit() const { return SelectedKit<CWpShoot>(); }
CBCGPProp* CLstShoot::Item(DWORD_PTR id) const { return m_wndPropList.FindItemByData(id, TRUE); }

int CLstShoot::InitPropWnd() {
    if (CLstContent::InitPropWnd() == -1) return -1;
    auto* source = new CBCGPProp(ivtext::kDataSource, kSourceGroupId);
    source->AddSubItem(NewFixedListItem(ivtext::kType, "", "", kSourceTypeId, kOfferedSources, kOtherRefused));
    source->AddSubItem(NewListItem(ivtext::kDiscreteTable, kTableId));
    source->AddSubItem(NewListItem(ivtext::kShootTypeField, kFieldId));
    source->AddSubItem(NewListItem(ivtext::kStartDate, kStartDateId));
    source->AddSubItem(NewListItem(ivtext::kEndDate, kEndDateId));
    m_wndPropList.AddProperty(source, TRUE, TRUE);

    CBCGPProp* current = NewSegDepthGroup(kCurrentSegGroupId, kTopId, kBottomId);
    // Any other interval type is type 1.
    // A type no option names shows as the refresh shows it (empty), or as the kit keeps it.
    current->AddSubItem(wellplot::NewSettingList(ivtext::kType, ivtext::kShootTypeDescription, kSegTypeId, kShootTypes,
                                                 OtherTakenAs(SHOOT_TYPE_OTHER)));
    m_wndPropList.AddProperty(current, TRUE, TRUE);
    return 0;
}

// ---- refresh ----------------------------------------------------------------------------------
void CLstShoot::RefreshFromKit() {
    CWpShoot* kit = Kit();
    if (!kit) return;
    CLstContent::RefreshFromKit();
    ShowSource(kit);
    SetItemText(Item(kStartDateId), CString(kit->GetStartDateTime()));
    SetItemText(Item(kEndDateId), CString(kit->GetEndDateTime()));
    ShowActiveSeg(kit);
}

void FillShootDateOptions(CWpShoot* kit, CBCGPPropList* list) {
    for (DWORD_PTR id : {CLstShoot::kStartDateId, CLstShoot::kEndDateId}) {
        CBCGPProp* item = list->FindItemByData(id, TRUE);
        if (!item) continue;
        item->RemoveAllOptions();
        for (const std::string& date : kit->GetAllDateTime()) item->AddOption(CString(date), TRUE);
    }
}

void CLstShoot::ShowSource(CWpShoot* kit) {
    CBCGPProp* type = Item(kSourceTypeId);
    WDMgrIO* data = WellDataOf(kit);
    LOGSHOOT record;
    if (!data || !data->FindData(kit->GetData(), record)) {
        SetItemText(type, ivtext::kGraphic);
    } else if (record.source == SHOOT_DISCRETE) {
        SetItemText(type, ivtext::kDiscreteData);
        CParseString words;
        words.Parse(record.name, " \t");
        ShowDiscreteBinding(Item(kTableId), Item(kFieldId), words[0], words[1]);
        return;
    } else {
        SetItemText(type, TextOfValue(kShootSources, record.source, ""));
        if (record.source == SHOOT_WELL) FillShootDateOptions(kit, &m_wndPropList);
    }
    ClearDiscreteBinding(Item(kTableId), Item(kFieldId));
}

void CLstShoot::ShowActiveSeg(CWpShoot* kit) {
    ShowActiveSegDepths(kit, Item(kTopId), Item(kBottomId));
    ShowKitValue(Item(kSegTypeId));
}

bool CLstShoot::KitText(CBCGPProp* item, CString* text) {
    CWpShoot* kit = Kit();
    if (!kit || !item || item->GetData() != kSegTypeId) return CLstContent::KitText(item, text);
    const int active = kit->GetActiveSeg();
    *text = active < 0 ? CString() : CString(TextOfValue(kShootTypes, kit->GetSegType(active), ""));
    return true;
}

// ---- write-back -------------------------------------------------------------------------------
LRESULT CLstShoot::OnPropertyChanged(WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpShoot* kit = Kit();
    // A list's text stands for the value stored; a text the list refuses writes nothing at all.
    int choice = 0;
    if (!item || !kit || !wellplot::ReadChoice(item, &choice) || !WriteBaseBack(wParam, lParam)) return 0;
    CBCGPProp* parent = item->GetParent();
    const CString group = parent ? parent->GetName() : CString();
    if (group == ivtext::kDataSource)
        ChooseSource(kit, item, choice);
    else if (group == ivtext::kCurrentSeg)
        EditSeg(kit, item, choice);
    return 0;
}

void CLstShoot::ChooseSource(CWpShoot* kit, CBCGPProp* item, int source) {
    const CString name = item->GetName();
    const CString text = ItemText(item);
    WDMgrIO* data = WellDataOf(kit);
    if (name == ivtext::kType) {
        if (source == SHOOT_DISCRETE) {
            OfferDiscreteBinding(Item(kTableId), Item(kFieldId));
            return;
        }
        if (source == SHOOT_WELL) {
            kit->SetData(data ? data->GetShoot(SHOOT_WELL, "") : nullptr);
            kit->OnDataChanged();
            ClearDiscreteBinding(Item(kTableId), Item(kFieldId));
        } else {
            kit->SetData(nullptr);
        }
        RefreshFromKit();
    } else if (name == ivtext::kDiscreteTable) {
        if (CBCGPProp* field = Item(kFieldId)) {
            FillDiscreteFieldOptions(text, field);
            SetItemText(field, "");
        }
    } else if (name == ivtext::kShootTypeField) {
        const CString table = ItemText(Item(kTableId));
        if (table.IsEmpty() || text.IsEmpty() || !data) return;
        kit->SetData(data->GetShoot(SHOOT_DISCRETE, table + " " + text));
        kit->OnDataChanged();
    }
}

// The interval's depths were taken before the edit reached the page.
void CLstShoot::EditSeg(CWpShoot* kit, CBCGPProp* item, int type) {
    if (item->GetName() == ivtext::kType) {
        if (kit->SetSegType(kit->GetActiveSeg(), static_cast<SHOOTTYPE>(type)))
            kit->OnDataChanged();
        else
            ShowKitValue(item);
    }
}
