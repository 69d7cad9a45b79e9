#include "framework/FixedList.h"

#include "framework/ItemGroupsBasic.h"
#include "framework/PropItems.h"

IMPLEMENT_DYNAMIC(CFixedListProp, CBCGPProp)

CFixedListProp::CFixedListProp(const CString& name, const CString& value, const char* description, DWORD_PTR data,
                               OtherText other, bool allowEdit)
    : CBCGPProp(name, _variant_t(value), description, data), m_other(other) {
    m_bIsValueList = TRUE;
    AllowEdit(allowEdit ? TRUE : FALSE);
}

void CFixedListProp::AddEntry(const CString& text, int value) {
    m_entries.emplace_back(text, value);
    AddOption(text);
}

void CFixedListProp::AddEntries(const TextValue* table, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) AddEntry(table[i].text, table[i].value);
}

void CFixedListProp::AddUnofferedEntry(const CString& text, int value) { m_unoffered.emplace_back(text, value); }

void CFixedListProp::AddUnofferedEntries(const TextValue* table, std::size_t count) {
    int held = 0;
    for (std::size_t i = 0; i < count; ++i)
        if (!EntryValue(table[i].text, &held)) AddUnofferedEntry(table[i].text, table[i].value);
}

void CFixedListProp::OfferOnly(std::initializer_list<const char*> offered) {
    OfferOnly(std::vector<CString>(offered.begin(), offered.end()));
}

void CFixedListProp::OfferOnly(const std::vector<CString>& offered) {
    RemoveAllOptions();  // the options only: the entries stay
    for (const CString& text : offered) AddOption(text);
}

void CFixedListProp::ShowUnlistedAs(const char* shown) {
    m_unlistedShown = shown != nullptr;
    m_unlisted = shown ? shown : "";
}

bool CFixedListProp::UnlistedText(int value, CString* shown) const {
    if (m_unlistedBy) {
        *shown = m_unlistedBy(value);
        return true;
    }
    if (!m_unlistedShown) return false;
    *shown = m_unlisted;
    return true;
}

void CFixedListProp::ClearEntries() {
    m_entries.clear();
    m_unoffered.clear();
    RemoveAllOptions();
}

bool CFixedListProp::EntryValue(const CString& text, int* value) const {
    for (const auto* entries : {&m_entries, &m_unoffered}) {
        for (const auto& entry : *entries) {
            if (entry.first == text) {
                *value = entry.second;
                return true;
            }
        }
    }
    return false;
}

bool CFixedListProp::ValueOf(const CString& text, int* value) const {
    if (EntryValue(text, value)) return true;
    if (m_otherRule) return m_otherRule(text, value);
    if (!m_other.taken) return false;
    *value = m_other.value;
    return true;
}

const char* CFixedListProp::TextOf(int value) const {
    for (const auto* entries : {&m_entries, &m_unoffered})
        for (const auto& entry : *entries)
            if (entry.second == value) return entry.first;
    return nullptr;
}

CFixedListProp* FixedListOf(CBCGPProp* item) { return dynamic_cast<CFixedListProp*>(item); }

bool ReadFixedList(CBCGPProp* item, int* value) {
    CFixedListProp* list = FixedListOf(item);
    const CString text = ItemText(item);
    int taken = 0;
    if (!list || !list->ValueOf(text, &taken)) {
        ShowTextBefore(item);
        return false;
    }
    *value = taken;
    const char* shown = list->TextOf(taken);
    if (!shown) {
        CString unlisted;
        if (list->UnlistedText(taken, &unlisted)) ShowTextIfChanged(item, unlisted);
        return true;
    }
    // An option the item offers shows itself, also one of several standing for one value.
    if (item->FindOption(text) < 0) ShowTextIfChanged(item, shown);
    return true;
}

CFixedListProp* NewFixedListItem(const char* name, const CString& shown, const char* description, DWORD_PTR id,
                                 const TextValue* table, std::size_t count, OtherText other, bool allowEdit) {
    auto* item = new CFixedListProp(name, shown, description, id, other, allowEdit);
    item->AddEntries(table, count);
    return item;
}

CFixedListProp* NewYesNoList(const CString& name, const CString& shown, const char* description, DWORD_PTR id,
                             OtherText other) {
    return NewFixedListItem(name, shown, description, id, kYesNoEntries, other);
}

bool ReadYesNo(CBCGPProp* item, bool* yes) {
    if (!FixedListOf(item)) {
        *yes = GetYesNoProp(item);
        // The answer taken shows as its option, when the item offers it.
        const char* taken = *yes ? grouptext::kYes : grouptext::kNo;
        if (item && item->FindOption(taken) >= 0) ShowTextIfChanged(item, taken);
        return true;
    }
    int answer = 0;
    if (!ReadFixedList(item, &answer)) return false;
    *yes = answer != 0;
    return true;
}

bool ReadYesNo(CBCGPProp* item) {
    bool yes = false;
    return ReadYesNo(item, &yes) && yes;
}
