#include "framework/FixedList.h"

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

void CFixedListProp::ClearEntries() {
    m_entries.clear();
    RemoveAllOptions();
}

bool CFixedListProp::ValueOf(const CString& text, int* value) const {
    for (const auto& entry : m_entries) {
        if (entry.first == text) {
            *value = entry.second;
            return true;
        }
    }
    if (!m_other.taken) return false;
    *value = m_other.value;
    return true;
}

const char* CFixedListProp::TextOf(int value) const {
    for (const auto& entry : m_entries)
        if (entry.second == value) return entry.first;
    return nullptr;
}

CFixedListProp* FixedListOf(CBCGPProp* item) { return dynamic_cast<CFixedListProp*>(item); }

bool ReadFixedList(CBCGPProp* item, int* value) {
    CFixedListProp* list = FixedListOf(item);
    int taken = 0;
    if (!list || !list->ValueOf(ItemText(item), &taken)) {
        ShowTextBefore(item);
        return false;
    }
    *value = taken;
    if (const char* shown = list->TextOf(taken)) ShowTextIfChanged(item, shown);
    return true;
}

CFixedListProp* NewFixedListItem(const char* name, const CString& shown, const char* description, DWORD_PTR id,
                                 const TextValue* table, std::size_t count, OtherText other, bool allowEdit) {
    auto* item = new CFixedListProp(name, shown, description, id, other, allowEdit);
    item->AddEntries(table, count);
    return item;
}
