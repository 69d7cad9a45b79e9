#include "framework/PropFloat.h"

#include <cfloat>
#include <cmath>
#include <string>

#include "framework/NumberText.h"
#include "framework/PropSizeText.h"

double JudgeFloatText(const CString& text, BOOL allowNegative) {
    double value = 0;
    return numtext::FloatItemNumber(text, allowNegative != FALSE, &value) ? value : FLT_MAX;
}

CBCGPropFloat::CBCGPropFloat(const CString& name, const _variant_t& value, int digits, const char* description,
                             BOOL allowNegative, DWORD_PTR data, const char* editMask, const char* editTemplate,
                             const char* validChars)
    : CJudgedProp(name, value, description, data, editMask, editTemplate, validChars),
      m_nDigits(digits),
      m_bAllowNegative(allowNegative) {}

CBCGPropFloat::CBCGPropFloat(const CString& groupName, DWORD_PTR data, int digits, BOOL allowNegative, BOOL isValueList)
    : CJudgedProp(groupName, data, isValueList), m_nDigits(digits), m_bAllowNegative(allowNegative) {}

CString CBCGPropFloat::FormatProperty() {
    const _variant_t value = m_varValue;
    if (value.vt == VT_R4 && m_varValue.vt != VT_R8) m_varValue.ChangeType(VT_R8);
    if (value.vt == VT_R4 || value.vt == VT_R8) {
        const double number = value.vt == VT_R4 ? static_cast<double>(value.fltVal) : value.dblVal;
        // A negative count (the constructors keep what they are given) shows no decimals.
        const int digits = m_nDigits < 0 ? 0 : m_nDigits;
        CString text;
        text.Format("%.*f", digits, number);
        // A negative that rounds to zero shows as zero: "-0.00" is a text the item itself refuses.
        if (text.GetLength() > 0 && text[0] == '-' && text.str().find_first_not_of("0.", 1) == std::string::npos)
            text.Delete(0);
        return text;
    }
    return CBCGPProp::FormatProperty();
}

double CBCGPropFloat::JudgeFigure(CString text, bool) const { return JudgeFloatText(text, m_bAllowNegative); }

bool CBCGPropFloat::Keeps(const CString& text, _variant_t* kept) const {
    if (std::fabs(JudgeFigure(text, false) - FLT_MAX) < FLT_EPSILON) return false;
    // Not a number the item's own field can hold (a 16-bit value of 70000, a single-precision value of 1e39).
    if (!numtext::TextToVariant(text, OwnType(), kept)) return false;
    if (KeptType() != OwnType() && !numtext::TextToVariant(text, KeptType(), kept)) return false;
    // The list reads what the item keeps (the number, or the text itself for a text value).
    return !m_rule || m_rule(VariantToText(*kept));
}

void CBCGPropFloat::ChangeType(VARTYPE type) {
    if (m_varValue.vt != type) m_varValue.ChangeType(type);
    SetOwnType(type);
}

TextRule KeptNumberRule(std::function<bool(CBCGPProp* kept)> reads) {
    return [reads = std::move(reads)](const CString& kept) {
        CBCGPProp probe("", _variant_t(kept));
        return reads(&probe);
    };
}

void ReadBy(CBCGPProp* item, TextRule rule) {
    if (auto* number = dynamic_cast<CBCGPropFloat*>(item)) number->SetTextRule(std::move(rule));
}

bool ItemRefusedText(CBCGPProp* item) {
    const auto* judged = dynamic_cast<CJudgedProp*>(item);
    return judged && judged->IsTextRefused();
}
