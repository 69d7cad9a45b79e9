#include "bcg/PropertyPage.h"

IMPLEMENT_DYNAMIC(CBCGPPropertyPage, CPropertyPage)
