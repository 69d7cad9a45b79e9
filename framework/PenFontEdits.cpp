#include "framework/PenFontEdits.h"

#include "framework/NumberText.h"
#include "framework/PropItems.h"

namespace penfont {

namespace {

bool IsAccepted(double value, Accept accept) { return accept == Accept::AboveZero ? value > 0 : value >= 0; }

}  // namespace

// The rule is tested on the number as the field keeps it: a size above 0 too small for a float
// ("1e-50") would be kept as 0.
bool ReadHundredths(const CString& text, Accept accept, float* value) {
    double typed = 0;
    float kept = 0;
    if (!numtext::LeadingNumber(text, &typed) || !numtext::FitFloat(typed, numtext::kHundredths, &kept) ||
        !IsAccepted(kept, accept))
        return false;
    *value = kept;
    return true;
}

TextRule HundredthsRule(Accept accept) {
    return [accept](const CString& text) {
        float value = 0;
        return ReadHundredths(text, accept, &value);
    };
}

bool ReadGroupSize(const CString& text, float* hundredths) {
    double typed = 0;
    float kept = 0;
    // A size too large for the record's float is no size either.
    if (!numtext::LeadingNumber(text, &typed) || !numtext::FitFloat(typed, numtext::kHundredths, &kept)) return false;
    if (!(kept > 0 || (kept == 0 && numtext::IsNumberText(text)))) return false;
    *hundredths = kept;
    return true;
}

TextRule GroupSizeRule() { return ReaderRule(&ReadGroupSize); }

bool EditPen(QXLOGPEN& pen, CBCGPProp* item, int position, Accept width) {
    switch (position) {
        case 0:
            return ReadStyle(item, &pen.style);
        case 1:
            return item && ReadHundredths(ItemText(item), width, &pen.width);
        case 2:
            return ReadColor(item, &pen.color);
        default:
            return false;
    }
}

bool EditFont(QXLOGFONT& font, CBCGPProp* item, int position, Accept size) {
    switch (position) {
        case 0:
            if (!item) return false;
            font.SetFaceName(ItemText(item));
            return true;
        case 1:
            return item && ReadHundredths(ItemText(item), size, &font.size);
        case 2:
            return ReadColor(item, &font.color);
        default:
            return false;
    }
}

}  // namespace penfont
