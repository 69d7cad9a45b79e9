// CLithTypeManager: the lithology catalogue of the well-data library (lithologies, colours,
// oil bearing, contents, prefixes and structures), each an array of style records.
#pragma once

#include <vector>

#include "hosttypes/Osprey/QXTable.h"
#include "hosttypes/Osprey/WellStyleRecords.h"

class CLithTypeManager : public CQXTable {
public:
    CLithTypeManager() = default;
    CLithTypeManager(const CLithTypeManager&) = default;
    CLithTypeManager& operator=(const CLithTypeManager&) = default;
    ~CLithTypeManager() override = default;

    // Resizing keeps the entries that stay; new entries take the records' defaults.
    void SetLithSize(int count) { Resize(m_lithologies, count); }
    void SetColorSize(int count) { Resize(m_colors, count); }
    void SetOilSize(int count) { Resize(m_oils, count); }

    int GetLithCount() const { return static_cast<int>(m_lithologies.size()); }
    LITHOLOGY* GetLithArray() { return m_lithologies.empty() ? nullptr : m_lithologies.data(); }
    int GetColorCount() const { return static_cast<int>(m_colors.size()); }
    LITHOLOGYCOLOR* GetColorArray() { return m_colors.empty() ? nullptr : m_colors.data(); }
    int GetOilCount() const { return static_cast<int>(m_oils.size()); }
    LITHOLOGYOIL* GetOilArray() { return m_oils.empty() ? nullptr : m_oils.data(); }

protected:
    template <class T>
    static void Resize(std::vector<T>& entries, int count) {
        entries.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    }

    std::vector<LITHOLOGY> m_lithologies;
    std::vector<LITHOLOGYCOLOR> m_colors;
    std::vector<LITHOLOGYOIL> m_oils;
    std::vector<LITHOLOGYCONTAIN> m_contains;
    std::vector<LITHOLOGYPREFIX> m_prefixes;
    std::vector<LITHOLOGYSTRUCTURE> m_structures;
};
