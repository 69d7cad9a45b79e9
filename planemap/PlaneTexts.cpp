#include "planemap/PlaneTexts.h"

#include "framework/OptionTables.h"
#include "win32/Crt.h"

namespace planemap {

namespace {

// The first two alignments of each direction; any other value or text is the third.
constexpr TextValue kHAligns[] = {{planetext::kAlignLeft, 0}, {planetext::kAlignCentre, 1}};
constexpr TextValue kVAligns[] = {{planetext::kAlignUpper, 0}, {planetext::kAlignCentre, 1}};

}  // namespace

const char* HAlignText(int value) { return TextOfValue(kHAligns, value, planetext::kAlignRight); }

const char* VAlignText(int value) { return TextOfValue(kVAligns, value, planetext::kAlignLower); }

int HAlignValue(const CString& text) { return ValueOfText(kHAligns, text, 2); }

int VAlignValue(const CString& text) { return ValueOfText(kVAligns, text, 2); }

CString StyleText(int style) { return FormatString("%s%d", planetext::kStyle, style + 1); }

double ToRadians(double degrees) { return degrees * planetext::kPi / 180; }

double ToDegrees(double radians) { return radians * 180 / planetext::kPi; }

CString AngleText(double radians) { return FormatString("%.2f", ToDegrees(radians)); }

double AngleFromText(const CString& text) { return ToRadians(crt::Atof(text)); }

}  // namespace planemap
