// CBCGPropSizeText: a width, size or height typed as text, with or without options to pick
// ("0.1" .. "3.0", "1" .. "32"). A text that no reader of the item could take as a size is
// dropped the way the float item drops one: the edit closes, the value stays, and the item
// remembers the refusal so that the pane writes nothing and the stored value shows again.
// The item refuses only what every list reading it refuses; a list may still refuse more
// (its own checks run on whatever the item takes).
#pragma once

#include "bcg/Prop.h"
#include "framework/Export.h"

// What a size text must be for the lists that read it: one of the rules, with kHundredthsInFloat
// added where every reader keeps the size in hundredths in a single-precision field.
enum class SizeRule : unsigned {
    // Every text is taken: the list reads it with other items and answers for it itself.
    kAnyText = 0,
    // Only a leading number beyond the range of a double is no size (a list may take a negative
    // as its default size).
    kAnyNumber = 1,
    // In this rule and the next two a leading number that is negative or beyond the range of a
    // double is no size. Here a text that starts with no number reads as 0 and is taken.
    kZeroOrMore = 2,
    // A text that starts with no number ("abc", "nan") is no size, unless it holds only digits,
    // blanks and points (" ", "." read as 0 and are taken).
    kNumberRequired = 3,
    // Only a leading number above 0 is a size ("0", "abc" are not).
    kAboveZero = 4,
    // Only a leading whole number above 0 that an int holds is a size ("12.5" is 12, "1e400" is 1;
    // "0.5", "abc" and "-1" are not).
    kWholeAboveZero = 5,
    // Added to a rule: a number whose hundredths lie well beyond the float range ("1e39") is no size
    // either. Numbers just beyond the range are left to the readers, whose limits differ there.
    kHundredthsInFloat = 0x100,
};

constexpr SizeRule operator|(SizeRule rule, SizeRule flag) {
    return static_cast<SizeRule>(static_cast<unsigned>(rule) | static_cast<unsigned>(flag));
}

// The rules of a pen width, font size or symbol size that every reader keeps in hundredths in a float.
inline constexpr SizeRule kHundredthsZeroOrMore = SizeRule::kZeroOrMore | SizeRule::kHundredthsInFloat;
inline constexpr SizeRule kHundredthsNumberRequired = SizeRule::kNumberRequired | SizeRule::kHundredthsInFloat;
inline constexpr SizeRule kHundredthsAboveZero = SizeRule::kAboveZero | SizeRule::kHundredthsInFloat;

// Whether text is no size under the rule.
TESSALY_API bool SizeTextRefused(const CString& text, SizeRule rule);

class TESSALY_API CBCGPropSizeText : public CBCGPProp {
public:
    CBCGPropSizeText(const CString& name, const _variant_t& value, const char* description = nullptr,
                     DWORD_PTR data = 0, SizeRule rule = SizeRule::kZeroOrMore);

    BOOL TextToVar(const CString& text) override;

    SizeRule GetRule() const { return m_rule; }
    // Whether the last typed or picked text was refused and the value left as it was.
    BOOL IsTextRefused() const { return m_bRefused; }

private:
    SizeRule m_rule;
    BOOL m_bRefused = FALSE;
};
