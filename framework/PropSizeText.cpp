#include "framework/PropSizeText.h"

CBCGPropSizeText::CBCGPropSizeText(const CString& name, const _variant_t& value, const char* description,
                                   DWORD_PTR data, TextRule rule)
    : CBCGPProp(name, value, description, data), m_rule(std::move(rule)) {}

BOOL CBCGPropSizeText::TextToVar(const CString& text) {
    // A refused text is taken with the value untouched; the item then shows its text from before the edit again.
    m_bRefused = !Takes(text);
    if (m_bRefused) return TRUE;
    return CBCGPProp::TextToVar(text);
}

void CBCGPropSizeText::SetValue(const _variant_t& value) {
    m_bRefused = FALSE;
    CBCGPProp::SetValue(value);
}
