// CBCGPropDigits: an item that does not start editing on a typed character; its value is only
// changed through its editor or drop-down.
#pragma once

#include "bcg/Prop.h"
#include "framework/Export.h"

class TESSALY_API CBCGPropDigits : public CBCGPProp {
    DECLARE_DYNAMIC(CBCGPropDigits)
public:
    CBCGPropDigits(const CString& name, const _variant_t& value, const char* description = nullptr, DWORD_PTR data = 0,
                   const char* editMask = nullptr, const char* editTemplate = nullptr, const char* validChars = nullptr)
        : CBCGPProp(name, value, description, data, editMask, editTemplate, validChars) {}
    CBCGPropDigits(const CString& groupName, DWORD_PTR data = 0, BOOL isValueList = FALSE)
        : CBCGPProp(groupName, data, isValueList) {}

    // Swallows the character: no editor opens, the value stays.
    BOOL PushChar(UINT ch) override;
};
