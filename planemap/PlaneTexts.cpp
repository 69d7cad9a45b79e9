#include "planemap/PlaneTexts.h"

#include "framework/NumberText.h"
#include "framework/OptionTables.h"
#include "planemap/PlaneItems.h"

namespace planemap {

const char* HAlignText(int value) { return TextOfValue(kHAlignOptions, value, planetext::kAlignRight); }

const char* VAlignText(int value) { return TextOfValue(kVAlignOptions, value, planetext::kAlignLower); }

CString StyleText(int style) { return FormatString("%s%d", planetext::kStyle, style + 1); }

bool ToRadians(double degrees, double* radians) {
    double r = 0;
    if (!numtext::Scale(degrees, planetext::kPi, &r)) return false;
    *radians = r / 180;
    return true;
}

double ToDegrees(double radians) { return radians * 180 / planetext::kPi; }

CString AngleText(double radians) { return numtext::Fixed(ToDegrees(radians), 2); }

double AngleFromText(const CString& text) {
    double radians = 0;
    AngleFromText(text, &radians);
    return radians;
}

bool AngleFromText(const CString& text, double* radians) {
    double degrees = 0;
    return numtext::LeadingNumber(text, &degrees) && ToRadians(degrees, radians);
}

const Place* PlaceOf(int hAlign, int vAlign) {
    for (const Place& place : kPlaces)
        if (place.hAlign == hAlign && place.vAlign == vAlign) return &place;
    return nullptr;
}

}  // namespace planemap
