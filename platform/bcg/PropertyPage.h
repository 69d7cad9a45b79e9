// CBCGPPropertyPage: the control library's property page; behaves as the class library's.
#pragma once

#include "mfc/PropertyPage.h"

class CBCGPPropertyPage : public CPropertyPage {
    DECLARE_DYNAMIC(CBCGPPropertyPage)
public:
    CBCGPPropertyPage() = default;
    explicit CBCGPPropertyPage(UINT templateId) : CPropertyPage(templateId) {}
};
