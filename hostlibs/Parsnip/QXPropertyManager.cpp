#include "hosttypes/Parsnip/QXPropertyManager.h"

CQXPropertyManager::CQXPropertyManager() = default;
CQXPropertyManager::CQXPropertyManager(const CQXPropertyManager& other) = default;
CQXPropertyManager& CQXPropertyManager::operator=(const CQXPropertyManager& other) = default;
CQXPropertyManager::~CQXPropertyManager() = default;

namespace {
template <class T, class Map>
const T* Find(const Map& values, const char* key) {
    if (!key) return nullptr;
    auto it = values.find(key);
    return it == values.end() ? nullptr : std::get_if<T>(&it->second);
}
}  // namespace

int CQXPropertyManager::GetBoolProperty(const char* key, int& value) const {
    const int* found = Find<int>(m_values, key);
    if (!found) return 0;
    value = *found;
    return 1;
}

int CQXPropertyManager::GetStringProperty(const char* key, CString& value) const {
    const CString* found = Find<CString>(m_values, key);
    if (!found) return 0;
    value = *found;
    return 1;
}

int CQXPropertyManager::GetPenProperty(const char* key, QXLOGPEN* pen) const {
    const QXLOGPEN* found = Find<QXLOGPEN>(m_values, key);
    if (!found || !pen) return 0;
    *pen = *found;
    return 1;
}

int CQXPropertyManager::GetBrushProperty(const char* key, QXLOGBRUSH* brush) const {
    const QXLOGBRUSH* found = Find<QXLOGBRUSH>(m_values, key);
    if (!found || !brush) return 0;
    *brush = *found;
    return 1;
}

void CQXPropertyManager::SetBoolProperty(const char* key, int value) {
    if (key) m_values[key] = value;
}

void CQXPropertyManager::SetStringProperty(const char* key, const char* value) {
    if (key) m_values[key] = CString(value ? value : "");
}

void CQXPropertyManager::SetPenProperty(const char* key, const QXLOGPEN* pen) {
    if (key && pen) m_values[key] = *pen;
}

void CQXPropertyManager::SetBrushProperty(const char* key, const QXLOGBRUSH* brush) {
    if (key && brush) m_values[key] = *brush;
}

bool CQXPropertyManager::HasProperty(const char* key) const { return key && m_values.count(key) != 0; }

void CQXPropertyManager::RemoveProperty(const char* key) {
    if (key) m_values.erase(key);
}

int CQXPropertyManager::GetPropertyCount() const { return static_cast<int>(m_values.size()); }

namespace parsnip::testing {
const std::map<std::string, QXPropertyValue>& PropertyEntries(const CQXPropertyManager& store) {
    return store.m_values;
}
}  // namespace parsnip::testing
