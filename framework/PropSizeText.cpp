#include "framework/PropSizeText.h"

#include "framework/NumberText.h"

namespace {

constexpr unsigned kFlags = static_cast<unsigned>(SizeRule::kHundredthsInFloat);

bool Refused(const CString& text, SizeRule rule, double value) {
    switch (rule) {
        case SizeRule::kAnyNumber:
            return false;
        case SizeRule::kZeroOrMore:
            return value < 0;
        case SizeRule::kNumberRequired:
            return value < 0 || (!numtext::StartsWithNumber(text) && !numtext::IsNumberText(text));
        case SizeRule::kAboveZero:
            return !(value > 0);
        default:
            return false;
    }
}

}  // namespace

bool SizeTextRefused(const CString& text, SizeRule rule) {
    const auto plain = static_cast<SizeRule>(static_cast<unsigned>(rule) & ~kFlags);
    if (plain == SizeRule::kAnyText) return false;
    if (plain == SizeRule::kWholeAboveZero) {
        int whole = 0;
        return !numtext::LeadingInt(text, &whole) || whole <= 0;
    }
    double value = 0;
    if (!numtext::LeadingNumber(text, &value) || Refused(text, plain, value)) return true;
    // Half the hundredths beyond the float range: every reader that keeps hundredths in a float
    // refuses far sooner.
    float half = 0;
    const bool hundredths = (static_cast<unsigned>(rule) & kFlags) != 0;
    return hundredths && !numtext::FitFloat(value, numtext::kHundredths / 2, &half);
}

CBCGPropSizeText::CBCGPropSizeText(const CString& name, const _variant_t& value, const char* description,
                                   DWORD_PTR data, SizeRule rule)
    : CBCGPProp(name, value, description, data), m_rule(rule) {}

BOOL CBCGPropSizeText::TextToVar(const CString& text) {
    // A refused text is taken with the value untouched, so the previous value shows again.
    m_bRefused = SizeTextRefused(text, m_rule);
    if (m_bRefused) return TRUE;
    return CBCGPProp::TextToVar(text);
}
