// CUnsignedProp: an item holding an unsigned whole number (a count, a whole font size). A typed
// text is taken only when it is one whole number an unsigned int holds, so a sign, a fraction or
// letters keep the editor open and the value stays as it was instead of becoming 0 or clipped.
#pragma once

#include "bcg/Prop.h"
#include "framework/Export.h"

class TESSALY_API CUnsignedProp : public CBCGPProp {
public:
    CUnsignedProp(const CString& name, unsigned value, const char* description, DWORD_PTR data)
        : CBCGPProp(name, _variant_t(value), description, data) {}

    BOOL TextToVar(const CString& text) override;
    // The value held; false when the value is no unsigned whole number (never set by a user).
    bool GetUnsigned(unsigned* value) const;
    // Sets value when it differs from the one held.
    void ShowUnsigned(unsigned value);
};
