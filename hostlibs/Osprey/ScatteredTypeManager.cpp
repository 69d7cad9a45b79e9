#include "hosttypes/Osprey/ScatteredTypeManager.h"

#include "hostlibs/Osprey/CatalogueSearch.h"

namespace search = osprey::detail;

void CScatteredTypeManager::GetScatteredTypeCode(CStringArray& codes) const { search::CopyCodes(m_types, codes); }

int CScatteredTypeManager::FindScatteredTypeByCode(const char* code) const {
    return search::FindByCode(m_types, code);
}

CString CScatteredTypeManager::GetScatteredTypeName(int index) const {
    const SCATTEREDTYPE* type = search::EntryAt(m_types, index);
    return type ? CString(search::FieldText(type->name, sizeof type->name)) : CString();
}

QXLOGBRUSH CScatteredTypeManager::GetScatteredTypeLogBrush(int index) const {
    const SCATTEREDTYPE* type = search::EntryAt(m_types, index);
    return type ? type->brush : QXLOGBRUSH();
}
