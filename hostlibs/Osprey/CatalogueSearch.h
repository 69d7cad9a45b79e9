// Searches shared by the well-data library's catalogues: their records keep names and codes in
// fixed 32-byte fields, read up to the terminator (or the whole field when it has none).
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "mfc/Collections.h"

namespace osprey::detail {

inline std::string FieldText(const char* field, std::size_t size) { return std::string(field, strnlen(field, size)); }

// Index of the first entry whose code is exactly code; -1 when none (or code is NULL).
template <class Entry>
int FindByCode(const std::vector<Entry>& entries, const char* code) {
    if (!code) return -1;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (FieldText(entries[i].code, sizeof entries[i].code) == code) return static_cast<int>(i);
    return -1;
}

template <class Entry>
const Entry* EntryAt(const std::vector<Entry>& entries, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < entries.size() ? &entries[static_cast<std::size_t>(index)]
                                                                          : nullptr;
}

template <class Entry>
void CopyCodes(const std::vector<Entry>& entries, CStringArray& codes) {
    codes.RemoveAll();
    for (const Entry& entry : entries) codes.Add(CString(FieldText(entry.code, sizeof entry.code)));
}

}  // namespace osprey::detail
