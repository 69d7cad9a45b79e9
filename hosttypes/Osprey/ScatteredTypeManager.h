// CScatteredTypeManager: the scattered-attribute type catalogue of the well-data library. Each
// entry is a SCATTEREDTYPE (name, code, standard fill and pen); entries are found by their code.
#pragma once

#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Osprey/QXTable.h"
#include "hosttypes/Osprey/WellStyleRecords.h"
#include "mfc/Collections.h"
#include "mfc/String.h"

namespace osprey::detail {
struct CatalogueAccess;
}  // namespace osprey::detail

class CScatteredTypeManager : public CQXTable {
public:
    CScatteredTypeManager() = default;
    CScatteredTypeManager(const CScatteredTypeManager&) = default;
    CScatteredTypeManager& operator=(const CScatteredTypeManager&) = default;
    ~CScatteredTypeManager() override = default;

    // ---- well-data library operations ----
    // Replaces the array's content with every code, in catalogue order.
    void GetScatteredTypeCode(CStringArray& codes) const;
    // Index of the entry with exactly that code; -1 when there is none.
    int FindScatteredTypeByCode(const char* code) const;
    // Name and standard fill of entry index; empty text and a default brush outside the catalogue.
    CString GetScatteredTypeName(int index) const;
    QXLOGBRUSH GetScatteredTypeLogBrush(int index) const;

protected:
    friend struct osprey::detail::CatalogueAccess;
    std::vector<SCATTEREDTYPE> m_types;
};
