// CKelPProp: a plain item of a class of its own, for lists that tell their items apart by class.
#pragma once

#include "bcg/Prop.h"

class CKelPProp : public CBCGPProp {
public:
    CKelPProp(const CString& name, const _variant_t& value, const char* description = nullptr, DWORD_PTR data = 0,
              const char* editMask = nullptr, const char* editTemplate = nullptr, const char* validChars = nullptr)
        : CBCGPProp(name, value, description, data, editMask, editTemplate, validChars) {}
    CKelPProp(const CString& groupName, DWORD_PTR data = 0, BOOL isValueList = FALSE)
        : CBCGPProp(groupName, data, isValueList) {}
    ~CKelPProp() override;
};
