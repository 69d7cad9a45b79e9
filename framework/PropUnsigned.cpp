#include "framework/PropUnsigned.h"

#include "framework/NumberText.h"

BOOL CUnsignedProp::TextToVar(const CString& text) {
    unsigned value = 0;
    if (!numtext::WholeUnsigned(text, &value)) return FALSE;
    m_varValue = _variant_t(value);
    return TRUE;
}

bool CUnsignedProp::GetUnsigned(unsigned* value) const {
    return numtext::WholeUnsigned(VariantToText(GetValue()), value);
}

void CUnsignedProp::ShowUnsigned(unsigned value) {
    if (unsigned held = 0; !GetUnsigned(&held) || held != value) SetValue(_variant_t(value));
}
