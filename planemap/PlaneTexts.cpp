#include "planemap/PlaneTexts.h"

#include "win32/Crt.h"

namespace planemap {

const char* HAlignText(int value) {
    return value == 0 ? planetext::kAlignLeft : value == 1 ? planetext::kAlignCentre : planetext::kAlignRight;
}

const char* VAlignText(int value) {
    return value == 0 ? planetext::kAlignUpper : value == 1 ? planetext::kAlignCentre : planetext::kAlignLower;
}

int HAlignValue(const CString& text) {
    return text == planetext::kAlignLeft ? 0 : text == planetext::kAlignCentre ? 1 : 2;
}

int VAlignValue(const CString& text) {
    return text == planetext::kAlignUpper ? 0 : text == planetext::kAlignCentre ? 1 : 2;
}

CString StyleText(int style) { return FormatString("%s%d", planetext::kStyle, style + 1); }

double ToRadians(double degrees) { return degrees * planetext::kPi / 180; }

double ToDegrees(double radians) { return radians * 180 / planetext::kPi; }

CString AngleText(double radians) { return FormatString("%.2f", ToDegrees(radians)); }

double AngleFromText(const CString& text) { return ToRadians(crt::Atof(text)); }

const Place* PlaceOf(int hAlign, int vAlign) {
    for (const Place& place : kPlaces)
        if (place.hAlign == hAlign && place.vAlign == vAlign) return &place;
    return nullptr;
}

const Place* PlaceOf(const CString& text) {
    for (const Place& place : kPlaces)
        if (text == place.text) return &place;
    return nullptr;
}

}  // namespace planemap
