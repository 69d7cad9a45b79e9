#include "framework/PenFontEdits.h"

#include "framework/NumberText.h"
#include "framework/PropItems.h"

namespace penfont {

namespace {

bool IsAccepted(double value, Accept accept) { return accept == Accept::AboveZero ? value > 0 : value >= 0; }

}  // namespace

// The rule is tested on the number read, before it is rounded to the field.
bool ReadHundredths(const CString& text, Accept accept, float* value) {
    double typed = 0;
    double v = 0;
    return numtext::LeadingNumber(text, &typed) && numtext::Scale(typed, numtext::kHundredths, &v) &&
           IsAccepted(v, accept) && numtext::FitFloat(v, 1, value);
}

TextRule HundredthsRule(Accept accept) {
    return [accept](const CString& text) {
        float value = 0;
        return ReadHundredths(text, accept, &value);
    };
}

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
