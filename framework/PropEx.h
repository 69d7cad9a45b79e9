// CBCGPPropEx: base of the chart property items. Its right click does nothing; the chart
// items put their right-click action there.
#pragma once

#include "bcg/Prop.h"

class CBCGPPropEx : public CBCGPProp {
    DECLARE_DYNAMIC(CBCGPPropEx)
public:
    CBCGPPropEx(const CString& name, const _variant_t& value, LPCTSTR description = nullptr, DWORD_PTR data = 0,
                LPCTSTR editMask = nullptr, LPCTSTR editTemplate = nullptr, LPCTSTR validChars = nullptr)
        : CBCGPProp(name, value, description, data, editMask, editTemplate, validChars) {}
    CBCGPPropEx(const CString& groupName, DWORD_PTR data = 0, BOOL isValueList = FALSE)
        : CBCGPProp(groupName, data, isValueList) {}

    void OnRClickValue(CPoint point, BOOL selChanged) override;
};
