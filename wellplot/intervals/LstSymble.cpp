#include "wellplot/intervals/LstSymble.h"

#include <iterator>
#include <string>

#include "bcg/ColorProp.h"
#include "framework/GroupTexts.h"
#include "framework/ItemGroupsBasic.h"
#include "framework/NumberText.h"
#include "framework/PropItems.h"
#include "framework/PropSizeText.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpSymble.h"
#include "wellplot/KitPage.h"
#include "wellplot/PageLists.h"
#include "wellplot/intervals/DataSourceItems.h"
#include "wellplot/intervals/DiscreteItems.h"
#include "wellplot/intervals/IntervalTexts.h"

const TextValue kSymbleShootSources[3] = {
    {ivtext::kWellData, SYMBLE_SHOOT_WELL},
    {ivtext::kDiscreteData, SYMBLE_SHOOT_DISCRETE},
    {ivtext::kGraphic, SYMBLE_SHOOT_GRAPHIC},
};
const TextValue kSymbleCycleSources[5] = {
    {ivtext::kLongCycle, SYMBLE_CYCLE_LONG},   {ivtext::kMiddleCycle, SYMBLE_CYCLE_MIDDLE},
    {ivtext::kShortCycle, SYMBLE_CYCLE_SHORT}, {ivtext::kDiscreteData, SYMBLE_CYCLE_DISCRETE},
    {ivtext::kGraphic, SYMBLE_CYCLE_GRAPHIC},
};
const TextValue kSymbleTextureSources[3] = {
    {ivtext::kWellData, SYMBLE_TEXTURE_WELL},
    {ivtext::kDiscreteData, SYMBLE_TEXTURE_DISCRETE},
    {ivtext::kGraphic, SYMBLE_TEXTURE_GRAPHIC},
};

// Where the three symbol pages part.
struct SymblePageDef {
    enum Display { kDates, kCycleDisplay, kBeddingDisplay };

    CRuntimeClass* kitClass;
    const TextValue* sources;
    std::size_t sourceCount;
    int discreteCode;
    int graphicCode;
    // The code asked for the symbol catalogue: this one, or the chosen source's when bySource.
    bool mgrBySource;
    int mgrCode;
    // After choosing graphics: the observers are told (true) or the kit's data changed.
    bool notifyAfterGraphic;
    bool dataChangedAfterDiscrete;
    bool settingChangedAfterField;
    // The source item is disabled while the kit has an active interval.
    bool sourceLockedByActiveSeg;
    Display display;
    const char* fieldCaption;
    const char* segTypeDescription;
    DWORD_PTR segGroupId;  // top, bottom and symbol at + 1 .. + 3
};

namespace {

// The table of differences: one row per page, in the order of SymblePageDef's fields.
const SymblePageDef kShootPage = {
    RUNTIME_CLASS(CWpSymbleShoot),
    kSymbleShootSources,
    std::size(kSymbleShootSources),
    SYMBLE_SHOOT_DISCRETE,
    SYMBLE_SHOOT_GRAPHIC,
    /*mgrBySource*/ false,
    SYMBLE_SHOOT_WELL,
    /*notifyAfterGraphic*/ false,
    /*dataChangedAfterDiscrete*/ false,
    /*settingChangedAfterField*/ true,
    /*sourceLockedByActiveSeg*/ false,
    SymblePageDef::kDates,
    ivtext::kShootTypeField,
    ivtext::kShootTypeDescription,
    CLstSymbleShoot::kCurrentSegGroupId,
};
const SymblePageDef kCyclePage = {
    RUNTIME_CLASS(CWpSymbleCycle),
    kSymbleCycleSources,
    std::size(kSymbleCycleSources),
    SYMBLE_CYCLE_DISCRETE,
    SYMBLE_CYCLE_GRAPHIC,
    /*mgrBySource*/ true,
    0,
    /*notifyAfterGraphic*/ true,
    /*dataChangedAfterDiscrete*/ false,
    /*settingChangedAfterField*/ false,
    /*sourceLockedByActiveSeg*/ true,
    SymblePageDef::kCycleDisplay,
    ivtext::kCycleTypeField,
    ivtext::kCycleTypeDescription,
    CLstSymbleCycle::kCurrentSegGroupId,
};
const SymblePageDef kTexturePage = {
    RUNTIME_CLASS(CWpSymbleTexture),
    kSymbleTextureSources,
    std::size(kSymbleTextureSources),
    SYMBLE_TEXTURE_DISCRETE,
    SYMBLE_TEXTURE_GRAPHIC,
    /*mgrBySource*/ true,
    0,
    /*notifyAfterGraphic*/ false,
    /*dataChangedAfterDiscrete*/ true,
    /*settingChangedAfterField*/ false,
    /*sourceLockedByActiveSeg*/ false,
    SymblePageDef::kBeddingDisplay,
    ivtext::kBeddingTypeField,
    ivtext::kBeddingTypeDescription,
    CLstSymbleTexture::kCurrentSegGroupId,
};

// The cycle margin typed: 0 or more and below half the track (a text that is no number reads 0);
// also the rule of its item.
bool ReadMargin(const CString& text, double* margin) {
    double read = 0;
    if (!numtext::LeadingNumber(text, &read) || read < 0 || read >= 0.5) return false;
    *margin = read;
    return true;
}

CBCGPProp* NewListItem(const char* name, const char* description, DWORD_PTR id) {
    return NewOptionItem(name, "", description, id, {}, false);
}

// Red at first, with the buttons "Other..." and "Default" (the 3-D face colour).
CBCGPProp* NewSymbolColorItem(DWORD_PTR id) {
    auto* color = new CBCGPColorProp(grouptext::kColor, RGB(255, 0, 0), nullptr, "", id);
    color->EnableOtherButton(ivtext::kOtherColorButton, FALSE);
    color->EnableAutomaticButton(ivtext::kDefaultColorButton, GetSysColor(COLOR_3DFACE));
    return color;
}

}  // namespace

CLstSymble::CLstSymble(const SymblePageDef& def) : m_def(def) {}
CLstSymble::~CLstSymble() = default;
CLstSymbleShoot::CLstSymbleShoot() : CLstSymble(kShootPage) {}
CLstSymbleCycle::CLstSymbleCycle() : CLstSymble(kCyclePage) {}
CLstSymbleTexture::CLstSymbleTexture() : CLstSymble(kTexturePage) {}

// The page writes only to a kit of its own class.
CWpSymble* CLstSymble::Kit() const {
    auto* object = reinterpret_cast<CObject*>(GetCurrentObject());
    return object && object->IsKindOf(m_def.kitClass) ? static_cast<CWpSymble*>(object) : nullptr;
}

CBCGPProp* CLstSymble::Item(DWORD_PTR id) const { return m_wndPropList.FindItemByData(id, TRUE); }

int CLstSymble::InitPropWnd() {
    if (CLstContent::InitPropWnd() == -1) return -1;
    auto* source = new CBCGPProp(ivtext::kDataSource, kSourceGroupId);
    // A source is one the page offers; any other text names none.
    source->AddSubItem(
        NewFixedListItem(ivtext::kType, "", "", kSourceTypeId, m_def.sources, m_def.sourceCount, kOtherRefused));
    source->AddSubItem(NewListItem(ivtext::kDiscreteTable, "", kTableId));
    source->AddSubItem(NewListItem(m_def.fieldCaption, "", kFieldId));
    AddDisplayItems(source);

    const DWORD_PTR seg = m_def.segGroupId;
    CBCGPProp* current = NewSegDepthGroup(seg, seg + 1, seg + 2);
    current->AddSubItem(NewListItem(ivtext::kType, m_def.segTypeDescription, seg + 3));
    m_wndPropList.AddProperty(current, TRUE, TRUE);
    return 0;
}

// Perforation symbols: the filter and dates close the source group. The others: a display group.
void CLstSymble::AddDisplayItems(CBCGPProp* source) {
    if (m_def.display == SymblePageDef::kDates) {
        source->AddSubItem(NewYesNoList(ivtext::kShootByDate, "", nullptr, CLstSymbleShoot::kFilterId));
        source->AddSubItem(NewListItem(ivtext::kStartDate, "", CLstSymbleShoot::kStartDateId));
        source->AddSubItem(NewListItem(ivtext::kEndDate, "", CLstSymbleShoot::kEndDateId));
        m_wndPropList.AddProperty(source, TRUE, TRUE);
        return;
    }
    m_wndPropList.AddProperty(source, TRUE, TRUE);
    auto* display = new CBCGPProp(ivtext::kDisplay, CLstSymbleCycle::kDisplayGroupId);
    CBCGPProp* color = NewSymbolColorItem(CLstSymbleCycle::kColorId);
    display->AddSubItem(color);
    if (m_def.display == SymblePageDef::kCycleDisplay) {
        display->AddSubItem(NewSizeTextItem(ivtext::kMargin, "", CLstSymbleCycle::kMarginId, ReaderRule(ReadMargin)));
    } else {
        color->Enable(FALSE);  // the bedding page only shows the colour
        // Only "是" and "否" say whether the symbols fit.
        display->AddSubItem(NewYesNoList(ivtext::kFitSize, "", "", CLstSymbleTexture::kFitId, kOtherRefused));
        // The kit answers for the sizes it takes; the items refuse only what no double holds.
        display->AddSubItem(
            NewSizeTextItem(ivtext::kSymbolWidth, "", CLstSymbleTexture::kWidthId, ReaderRule(numtext::LeadingNumber)));
        display->AddSubItem(NewSizeTextItem(ivtext::kSymbolHeight, "", CLstSymbleTexture::kHeightId,
                                            ReaderRule(numtext::LeadingNumber)));
    }
    m_wndPropList.AddProperty(display, TRUE, TRUE);
}

// ---- refresh ----------------------------------------------------------------------------------
void CLstSymble::RefreshFromKit() {
    CWpSymble* kit = Kit();
    if (!kit) return;
    CLstContent::RefreshFromKit();
    ShowSource(kit);
    ShowDisplay(kit);
    ShowActiveSeg(kit);
}

void CLstSymble::ShowSource(CWpSymble* kit) {
    const int code = kit->m_nDataSource;
    CBCGPProp* type = Item(kSourceTypeId);
    SetItemText(type, TextOfValue(m_def.sources, m_def.sourceCount, code, ""));
    const bool discrete = code == m_def.discreteCode;
    if (discrete)
        ShowDiscreteBinding(Item(kTableId), Item(kFieldId), CString(kit->GetTableName()), CString(kit->GetFiledName()));
    if (m_def.display == SymblePageDef::kDates && code == SYMBLE_SHOOT_WELL) {
        auto* shoot = static_cast<CWpSymbleShoot*>(kit);
        FillSymbleShootDateOptions(shoot, &m_wndPropList);
        SetYesNoProp(Item(CLstSymbleShoot::kFilterId), shoot->IsFilter());
        SetItemText(Item(CLstSymbleShoot::kStartDateId), CString(shoot->GetStartDateTime()));
        SetItemText(Item(CLstSymbleShoot::kEndDateId), CString(shoot->GetEndDateTime()));
    }
    // Enabled again once no interval is active, so that the source can be changed then.
    if (m_def.sourceLockedByActiveSeg && type) type->Enable(kit->GetActiveSeg() < 0);
    if (!discrete) ClearDiscreteBinding(Item(kTableId), Item(kFieldId));
}

void FillSymbleShootDateOptions(CWpSymbleShoot* kit, CBCGPPropList* list) {
    const bool well = kit->m_nDataSource == SYMBLE_SHOOT_WELL;
    for (DWORD_PTR id : {CLstSymbleShoot::kStartDateId, CLstSymbleShoot::kEndDateId}) {
        CBCGPProp* item = list->FindItemByData(id, TRUE);
        if (!item) continue;
        item->RemoveAllOptions();
        for (const std::string& date : kit->GetAllDateTime()) item->AddOption(CString(date), TRUE);
        SetItemText(item, "");
        item->Enable(well && kit->IsFilter());
    }
    if (CBCGPProp* filter = list->FindItemByData(CLstSymbleShoot::kFilterId, TRUE)) filter->Enable(well);
}

void CLstSymble::ShowDisplay(CWpSymble* kit) {
    if (m_def.display == SymblePageDef::kDates) return;
    ShowColor(Item(CLstSymbleCycle::kColorId), kit->GetSegColor());
    if (m_def.display == SymblePageDef::kCycleDisplay) {
        ShowKitValue(Item(CLstSymbleCycle::kMarginId));
        return;
    }
    auto* bedding = static_cast<CWpSymbleTexture*>(kit);
    const bool fit = bedding->IsFitRect();
    SetYesNoProp(Item(CLstSymbleTexture::kFitId), fit);
    CBCGPProp* width = Item(CLstSymbleTexture::kWidthId);
    CBCGPProp* height = Item(CLstSymbleTexture::kHeightId);
    for (CBCGPProp* size : {width, height})
        if (size) size->Enable(!fit);
    ShowKitValue(width);
    ShowKitValue(height);
}

void CLstSymble::ShowActiveSeg(CWpSymble* kit) {
    const DWORD_PTR seg = m_def.segGroupId;
    ShowActiveSegDepths(kit, Item(seg + 1), Item(seg + 2));
    CBCGPProp* symbol = Item(seg + 3);
    const int active = kit->GetActiveSeg();
    if (!symbol || active < 0) {
        SetItemText(symbol, "");
        return;
    }
    symbol->RemoveAllOptions();
    if (ISymbleMgr* symbols = kit->GetSymbleMgr())
        for (int i = 0; i < symbols->GetSymbleCount(); ++i) symbol->AddOption(symbols->GetSymbleName(i), TRUE);
    ShowKitValue(symbol);
}

// The active interval's symbol name; the margin (the left one) and the bedding symbol's sizes as
// "%0.2f".
bool CLstSymble::KitText(CBCGPProp* item, CString* text) {
    CWpSymble* kit = Kit();
    if (!kit || !item) return false;
    const DWORD_PTR id = item->GetData();
    double number = 0;
    if (id == m_def.segGroupId + 3) {
        const int active = kit->GetActiveSeg();
        *text = active < 0 ? CString() : kit->GetSymbleName(active);
        return true;
    }
    if (m_def.display == SymblePageDef::kCycleDisplay && id == CLstSymbleCycle::kMarginId) {
        number = kit->GetEdgeOffL();
    } else if (m_def.display == SymblePageDef::kBeddingDisplay &&
               (id == CLstSymbleTexture::kWidthId || id == CLstSymbleTexture::kHeightId)) {
        auto* bedding = static_cast<CWpSymbleTexture*>(kit);
        number = id == CLstSymbleTexture::kWidthId ? bedding->GetSymbleWidth() : bedding->GetSymbleHeight();
    } else {
        return CLstContent::KitText(item, text);
    }
    *text = numtext::Fixed(number, 2);
    return true;
}

// ---- write-back -------------------------------------------------------------------------------
LRESULT CLstSymble::OnPropertyChanged(WPARAM wParam, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    CWpSymble* kit = Kit();
    // A list's text stands for the value stored; a text the list refuses writes nothing at all.
    int choice = 0;
    if (!item || !kit || !wellplot::ReadChoice(item, &choice) || !WriteBaseBack(wParam, lParam)) return 0;
    const CString text = ItemText(item);
    switch (item->GetData()) {
        case kSourceTypeId:
            ChooseSource(kit, choice);
            if (m_def.display == SymblePageDef::kDates)
                FillSymbleShootDateOptions(static_cast<CWpSymbleShoot*>(kit), &m_wndPropList);
            break;
        case kTableId:
            kit->SetTableName(std::string(text));
            if (CBCGPProp* field = Item(kFieldId)) {
                FillDiscreteFieldOptions(text, field);
                SetItemText(field, "");
            }
            break;
        case kFieldId:
            kit->SetFiledName(std::string(text));
            if (m_def.settingChangedAfterField) kit->OnSettingChanged();
            break;
        default:
            if (EditActiveSeg(kit, item)) break;
            if (m_def.display == SymblePageDef::kDates)
                EditDates(kit, item, choice);
            else if (m_def.display == SymblePageDef::kCycleDisplay)
                EditCycleDisplay(kit, item);
            else
                EditBeddingDisplay(kit, item, choice);
            break;
    }
    return 0;
}

void CLstSymble::ChooseSource(CWpSymble* kit, int code) {
    kit->m_nDataSource = code;
    if (code == m_def.discreteCode) {
        // The symbols stay bound as they are until table and field are chosen.
        OfferDiscreteBinding(Item(kTableId), Item(kFieldId));
        if (m_def.dataChangedAfterDiscrete) kit->OnDataChanged();
        return;
    }
    BindSymbols(kit, code);
    if (code == m_def.graphicCode) {
        if (m_def.notifyAfterGraphic)
            kit->Notify();
        else
            kit->OnDataChanged();
        return;
    }
    kit->SetTableName("");
    kit->SetFiledName("");
    kit->OnDataChanged();
    ClearDiscreteBinding(Item(kTableId), Item(kFieldId));
}

void CLstSymble::BindSymbols(CWpSymble* kit, int code) {
    WDMgrIO* data = WellDataOf(kit);
    kit->SetData(data ? data->GetSymbleData(code, "") : nullptr);
    kit->SetSymbleMgr(data ? data->GetSymbleMgr(m_def.mgrBySource ? code : m_def.mgrCode) : nullptr);
}

// Top, bottom (taken before the edit reached the page) and symbol of the active interval; false for
// any other item.
bool CLstSymble::EditActiveSeg(CWpSymble* kit, CBCGPProp* item) {
    const DWORD_PTR id = item->GetData();
    const DWORD_PTR seg = m_def.segGroupId;
    if (id == seg + 1 || id == seg + 2) return true;
    if (id != seg + 3) return false;
    if (kit->SetSymbleName(kit->GetActiveSeg(), ItemText(item)))
        kit->OnDataChanged();
    else
        ShowKitValue(item);
    return true;
}

void CLstSymble::EditDates(CWpSymble* kit, CBCGPProp* item, int choice) {
    auto* shoot = static_cast<CWpSymbleShoot*>(kit);
    switch (item->GetData()) {
        case CLstSymbleShoot::kFilterId:
            shoot->IsFilter(choice != 0);
            break;
        case CLstSymbleShoot::kStartDateId:
            shoot->SetStartDateTime(std::string(ItemText(item)));
            break;
        case CLstSymbleShoot::kEndDateId:
            shoot->SetEndDateTime(std::string(ItemText(item)));
            break;
        default:
            return;
    }
    kit->OnSettingChanged();
}

void CLstSymble::EditCycleDisplay(CWpSymble* kit, CBCGPProp* item) {
    switch (item->GetData()) {
        case CLstSymbleCycle::kColorId: {
            COLORREF color = 0;
            if (!ReadColor(item, &color)) return;
            kit->SetSegColor(color);
            kit->OnDataChanged();
            return;
        }
        case CLstSymbleCycle::kMarginId: {
            // Both margins take the value; the item refuses a margin of half the track or more, below 0
            // or no finite number, as the kit's setters do, so every margin it took is stored.
            double margin = 0;
            if (!ReadMargin(ItemText(item), &margin)) return;
            kit->SetEdgeOffL(margin);
            kit->SetEdgeOffR(margin);
            kit->OnDataChanged();
            return;
        }
        default:
            return;
    }
}

void CLstSymble::EditBeddingDisplay(CWpSymble* kit, CBCGPProp* item, int choice) {
    auto* bedding = static_cast<CWpSymbleTexture*>(kit);
    const DWORD_PTR id = item->GetData();
    if (id == CLstSymbleTexture::kFitId) {
        bedding->SetFitRect(choice != 0);
        kit->OnDataChanged();
        RefreshFromKit();
        return;
    }
    if (id != CLstSymbleTexture::kWidthId && id != CLstSymbleTexture::kHeightId) return;
    double size = 0;
    bool stored = wellplot::ReadNumber(item, &size);
    if (stored)
        stored = id == CLstSymbleTexture::kWidthId ? bedding->SetSymbleWidth(size) : bedding->SetSymbleHeight(size);
    if (stored)
        kit->OnDataChanged();
    else
        ShowKitValue(item);
}
