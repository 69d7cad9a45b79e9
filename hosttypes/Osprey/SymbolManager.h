// CSymbolManager: a catalogue of symbols of the well-data library (for instance the oil-bearing
// symbols), an array of SYMBOLTYPE records.
#pragma once

#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Osprey/QXTable.h"
#include "hosttypes/Osprey/WellStyleRecords.h"

class CSymbolManager : public CQXTable {
public:
    CSymbolManager() = default;
    CSymbolManager(const CSymbolManager&) = default;
    CSymbolManager& operator=(const CSymbolManager&) = default;
    ~CSymbolManager() override = default;

    // Resizing keeps the entries that stay; new entries are cleared.
    void SetArraySize(int count) { m_symbols.resize(count > 0 ? static_cast<std::size_t>(count) : 0); }
    int GetCount() const { return static_cast<int>(m_symbols.size()); }
    // NULL for an index outside the catalogue.
    SYMBOLTYPE* GetData(int i) {
        return (i >= 0 && i < GetCount()) ? &m_symbols[static_cast<std::size_t>(i)] : nullptr;
    }

    // ---- well-data library operations ----
    // The fill brush of the symbol named code; a code the catalogue does not know ("缺省填充"
    // among them) gets the catalogue's default fill.
    QXLOGBRUSH GetLogBrushByCode(const CString& code) const;

protected:
    std::vector<SYMBOLTYPE> m_symbols;
};
