#include "section/LstSandFill.h"

#include <cstring>
#include <tuple>
#include <vector>

#include "framework/ChangeCheckers.h"
#include "framework/ItemGroupsFill.h"
#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "framework/PropFloat.h"
#include "framework/PropItems.h"
#include "framework/StyleGroupTexts.h"
#include "hosttypes/Oriel/CContainerSignle.h"
#include "hosttypes/Oriel/CStratumAdapter.h"
#include "hosttypes/Oriel/ConnectionGroups.h"
#include "hosttypes/Oriel/ConnectionLines.h"
#include "hosttypes/Oriel/ConnectionSegments.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "section/MultiWellItems.h"
#include "section/MultiWellTexts.h"
#include "section/ObjectPageItems.h"
#include "section/SectionItems.h"

using namespace multiwelltext;

namespace {

const TextValue kFillTypes[] = {{kFaciesFill, SYMFILL_FACIES},   {kSandstoneFill, SYMFILL_LITH},
                                {kOilGasWaterFill, SYMFILL_OIL}, {kSingleFill, SYMFILL_SINGLE},
                                {kCustomFill, SYMFILL_CUSTOM},   {kNoFill, SYMFILL_NONE}};
constexpr double kInitialCellSize = 5.0;  // millimetres

std::string Field(const char* field) { return std::string(field, strnlen(field, kWellStyleNameSize)); }

// "缺省填充", then the names of the catalogue of the symbol type, in catalogue order.
CBCGPProp* NewSymbolList(const char* label, int type) {
    auto* item = new CBCGPProp(label, _variant_t(label), "", CLstSandFill::kSymbolId);
    item->AllowEdit(FALSE);
    item->AddOption(kDefaultFill);
    CWellDataManager* data = CWellDataManager::Instance();
    if (type == SYMFILL_FACIES) {
        CFaciesTypeManager* facies = data->GetFaciesTypeManager();
        for (int i = 0; facies && i < facies->GetFaciesCount(); ++i)
            item->AddOption(Field(facies->GetFaciesTypeArray()[i].name).c_str());
    } else if (type == SYMFILL_LITH) {
        CLithTypeManager* lith = data->GetLithTypeManager();
        for (int i = 0; i < lith->GetLithCount(); ++i) item->AddOption(Field(lith->GetLithArray()[i].name).c_str());
    } else {
        CSymbolManager* oil = data->GetOilSymbolManager();
        for (int i = 0; i < oil->GetCount(); ++i) item->AddOption(Field(oil->GetData(i)->name).c_str());
    }
    return item;
}

// A cell size taken from an item's text inside a symbol edit: its leading number (0 for none), in
// hundredths; false when single precision cannot hold it. While the item still shows the refresh's
// text of the stored size (hundredths), that text stands for it, so the display's rounding never
// reaches the brush; a size an edit gave the section is the number typed, whatever its text.
bool LeadingCellSize(CBCGPProp* item, float stored, bool edited, float* size) {
    double typed = 0;
    if (!item || !numtext::LeadingNumber(ItemText(item), &typed)) return false;
    const auto* number = dynamic_cast<CBCGPropFloat*>(item);
    if (!edited && number &&
        numtext::ShowsStored(ItemText(item), stored / numtext::kHundredths, number->GetDecimalDigit())) {
        *size = stored;
        return true;
    }
    return numtext::FitFloat(typed, numtext::kHundredths, size);
}

}  // namespace

CLstSandFill::CLstSandFill(CnSandFill* fill, int owner) : m_pFill(fill), m_nOwner(owner) {}
CLstSandFill::~CLstSandFill() = default;

const char* CLstSandFill::FillTypeText(int type) { return TextOfValue(kFillTypes, type, ""); }

int CLstSandFill::FillTypeOfText(const CString& text) {
    const int type = ValueOfText(kFillTypes, text, SYMFILL_NONE);
    return type <= SYMFILL_SINGLE ? type : SYMFILL_NONE;
}

int CLstSandFill::ShownType() const { return m_pTypeItem ? FillTypeOfText(ItemText(m_pTypeItem)) : SYMFILL_NONE; }

int CLstSandFill::InitPropWnd() {
    if (CWndLst::InitPropWnd() == -1) return -1;
    const char* type = m_pFill ? FillTypeText(m_pFill->GetSymFillType()) : "";
    for (const auto& [id, label, value] :
         {std::make_tuple(kStratumId, kStratumNumber, ""), std::make_tuple(kNumberId, kInterpretNumber, ""),
          std::make_tuple(kTypeId, kConclusion, type)}) {
        auto* item = new CBCGPProp(label, _variant_t(value), "", id);
        item->AllowEdit(FALSE);
        m_wndPropList.AddProperty(item, TRUE, TRUE);
        if (id == kTypeId) m_pTypeItem = item;
    }
    BuildTypeItems();
    return 0;
}

void CLstSandFill::BuildTypeItems() {
    switch (const int type = ShownType()) {
        case SYMFILL_FACIES:
            m_wndPropList.AddProperty(NewSymbolList(kFaciesFill, type), TRUE, TRUE);
            break;
        case SYMFILL_LITH: {
            auto* group = new CBCGPProp(kSandstoneFill, kLithologyGroupId, FALSE);
            group->AddSubItem(NewSymbolList(kSandstoneFill, type));
            auto* size = new CBCGPropFloat(grouptext::kFillCellSize, _variant_t(kInitialCellSize), 2,
                                           grouptext::kFillCellSizeDescription, FALSE, kCellSizeId);
            size->SetTextRule(section::HundredthsRule());
            group->AddSubItem(size);
            group->Expand(TRUE);
            m_wndPropList.AddProperty(group, TRUE, TRUE);
            break;
        }
        case SYMFILL_OIL:
            m_wndPropList.AddProperty(NewSymbolList(kOilGasWaterFill, type), TRUE, TRUE);
            break;
        case SYMFILL_SINGLE:
            m_wndPropList.AddProperty(CreateFillProp(kFill, kFillGroupId), TRUE, TRUE);
            break;
        default:
            break;
    }
}

// ---- refresh --------------------------------------------------------------------------------------

void CLstSandFill::UpdateBCGPProperty(long object, CString) {
    if (object != m_curObject || !object || !ScProChangedChecker(SectionObjectOf(object), this)()) return;
    CnConnectionGroup* group = m_pFill ? m_pFill->GetConGroup() : nullptr;
    SetItemText(Item(kStratumId), group ? CString(group->GetStratumName()) : CString());
    ShowTypeItems();
}

void CLstSandFill::ShowTypeItems() {
    if (!m_pFill) return;
    QXLOGBRUSH brush;
    CQXObjectFill* fillObject = m_pFill->GetFillObject();
    if (fillObject) fillObject->GetLogBrush(&brush);
    const int type = ShownType();
    if (type == SYMFILL_SINGLE) {
        SetFillProp(Item(kFillGroupId), m_pFill->GetStyleSet(), brush);
        m_bCellSizeEdited = false;
        return;
    }
    if (type > SYMFILL_OIL) return;
    ShowSymbol(type);
    // The cell size, in millimetres, in the two-decimal item.
    CBCGPProp* size = type == SYMFILL_LITH && fillObject ? Item(kCellSizeId) : nullptr;
    if (!size) return;
    size->SetValue(_variant_t(brush.size / numtext::kHundredths));
    m_bCellSizeEdited = false;
}

void CLstSandFill::ShowSymbol(int type) {
    if (CnSand* sand = m_pFill->GetSand()) {
        const std::string name = CSandSymbolAdapter(sand, type).GetName();
        SetItemText(Item(kSymbolId), name.empty() ? kDefaultFill : name.c_str());
    }
}

// ---- edits ----------------------------------------------------------------------------------------

LRESULT CLstSandFill::OnPropertyChanged(WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<CBCGPProp*>(lParam);
    if (!item) return 0;
    const DWORD_PTR id = item->GetData();
    switch (id) {
        case kTypeId:
            // The fill type is not changed here: a text given to the item is refused, so that it
            // goes on naming the type whose items the page shows.
            ShowTextBefore(item);
            break;
        case kSymbolId:
            if (m_pFill) EditSymbol(item);
            break;
        case kCellSizeId:
            if (m_pFill) EditCellSize(item);
            break;
        default:
            if (m_pFill && id > kFillGroupId && id <= kFillGroupId + 6) EditPlainFill(item);
            break;
    }
    return 0;
}

// The brush of the symbol chosen for the fill's sands; a lithology or plain fill takes the cell
// size its page shows.
void CLstSandFill::EditSymbol(CBCGPProp* item) {
    const int type = ShownType();
    // A fill that takes no symbols refuses the pick: the item shows the sand's symbol again.
    if (!m_pFill->GetFillType()) {
        ShowSymbol(type);
        return;
    }
    std::vector<CnSand*> sands;
    m_pFill->GetSand(sands);
    CSandSymbolAdapter symbol(sands, type);
    symbol.SetName(ItemText(item).GetString());
    QXLOGBRUSH brush = symbol.GetBrush();
    QXLOGBRUSH stored;
    if (CQXObjectFill* fillObject = m_pFill->GetFillObject()) fillObject->GetLogBrush(&stored);
    float size = 0;
    CBCGPProp* sizeItem = type == SYMFILL_LITH     ? Item(kCellSizeId)
                          : type == SYMFILL_SINGLE ? Item(kFillGroupId + 1 + kCellSizePosition)
                                                   : nullptr;
    if (LeadingCellSize(sizeItem, stored.size, m_bCellSizeEdited, &size)) brush.size = size;
    ApplyBrush(brush);
}

// A cell size the reader refuses, in either cell size
// item, is written nowhere. The refresh shows the fill object's brush, which the edits never write
// (the brush goes to the section for the fill's sands): the item shows its text from before.
void CLstSandFill::EditCellSize(CBCGPProp* item) {
    CQXObjectFill* fillObject = m_pFill->GetFillObject();
    if (!fillObject) return;
    QXLOGBRUSH brush;
    fillObject->GetLogBrush(&brush);
    if (!section::ReadHundredths(item, &brush.size)) {
        ShowTextBefore(item);
        return;
    }
    m_bCellSizeEdited = true;
    ApplyBrush(brush);
}

void CLstSandFill::EditPlainFill(CBCGPProp* item) {
    QXLOGBRUSH brush;
    if (CQXObjectFill* fillObject = m_pFill->GetFillObject()) fillObject->GetLogBrush(&brush);
    std::string styleSet = m_pFill->GetStyleSet();
    // Only the cell size is refused.
    const int position = static_cast<int>(item->GetData() - kFillGroupId - 1);
    if (!GetFillSubProp(item, &styleSet, position, brush)) {
        ShowTextBefore(item);
        return;
    }
    if (position == kCellSizePosition) m_bCellSizeEdited = true;
    m_pFill->SetStyleSet(styleSet);
    ApplyBrush(brush);
}

void CLstSandFill::ApplyBrush(const QXLOGBRUSH& brush) {
    CnSand* sand = m_pFill->GetSand();
    ScContainer* section = CContainerSignle::Instance()->GetContainer();
    if (!sand || !section) return;
    CnSandMgr* wells = sand->GetMgr();
    section->ApplySandBrush(wells ? wells->GetWellGraph() : nullptr, sand, brush);
}
