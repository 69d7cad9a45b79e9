#include "framework/PropSizeText.h"

CBCGPropSizeText::CBCGPropSizeText(const CString& name, const _variant_t& value, const char* description,
                                   DWORD_PTR data, TextRule rule)
    : CBCGPProp(name, value, description, data), m_rule(std::move(rule)) {}

BOOL CBCGPropSizeText::TextToVar(const CString& text) {
    // A refused text is taken with the value untouched; the item then shows its text from before the edit again.
    m_refusal.Typed(!Takes(text));
    if (IsTextRefused()) return TRUE;
    return CBCGPProp::TextToVar(text);
}

// A value set by code is judged by the rule a typed text is: a report the list would refuse is
// refused the same way (the pane puts back the text it replaced).
void CBCGPropSizeText::SetValue(const _variant_t& value) {
    CBCGPProp::SetValue(value);
    m_refusal.Reported(IsValueRefused(), Takes(VariantToText(GetValue())));
}
