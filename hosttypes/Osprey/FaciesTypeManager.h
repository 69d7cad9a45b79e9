// CFaciesTypeManager: the sedimentary-facies catalogue of the well-data library. Each entry is
// a FACIESTYPE (name, code, standard brush and pen); entries are found by their code.
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

class CFaciesTypeManager : public CQXTable {
public:
    CFaciesTypeManager() = default;
    CFaciesTypeManager(const CFaciesTypeManager&) = default;
    CFaciesTypeManager& operator=(const CFaciesTypeManager&) = default;
    ~CFaciesTypeManager() override = default;

    // ---- well-data library operations ----
    // Replaces the array's content with every code, in catalogue order.
    void GetFaciesCode(CStringArray& codes) const;
    // The pen of the entry with that code; a default pen when the code is not in the catalogue.
    QXLOGPEN GetFaciesLogPenByCode(const char* code) const;
    // Index of the entry with exactly that code; -1 when there is none.
    int FindFaciesTypeByCode(const char* code) const;
    // Name and brush of entry index; empty text and a default brush outside the catalogue.
    CString GetFaciesName(int index) const;
    QXLOGBRUSH GetFaciesLogBrush(int index) const;

    // The catalogue's entries in order, each beginning with its name; NULL when it is empty.
    int GetFaciesCount() const { return static_cast<int>(m_types.size()); }
    FACIESTYPE* GetFaciesTypeArray() { return m_types.empty() ? nullptr : m_types.data(); }

protected:
    friend struct osprey::detail::CatalogueAccess;
    std::vector<FACIESTYPE> m_types;
};
