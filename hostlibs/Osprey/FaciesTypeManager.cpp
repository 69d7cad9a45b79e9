#include "hosttypes/Osprey/FaciesTypeManager.h"

#include "hostlibs/Osprey/CatalogueSearch.h"

namespace search = osprey::detail;

void CFaciesTypeManager::GetFaciesCode(CStringArray& codes) const { search::CopyCodes(m_types, codes); }

QXLOGPEN CFaciesTypeManager::GetFaciesLogPenByCode(const char* code) const {
    const FACIESTYPE* type = search::EntryAt(m_types, FindFaciesTypeByCode(code));
    return type ? type->pen : QXLOGPEN();
}

int CFaciesTypeManager::FindFaciesTypeByCode(const char* code) const { return search::FindByCode(m_types, code); }

CString CFaciesTypeManager::GetFaciesName(int index) const {
    const FACIESTYPE* type = search::EntryAt(m_types, index);
    return type ? CString(search::FieldText(type->name, sizeof type->name)) : CString();
}

QXLOGBRUSH CFaciesTypeManager::GetFaciesLogBrush(int index) const {
    const FACIESTYPE* type = search::EntryAt(m_types, index);
    return type ? type->brush : QXLOGBRUSH();
}
