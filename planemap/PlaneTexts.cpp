#include "mfc/String.h"
#include "planemap/PlaneTexts.h"

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

}  // namespace planemap
