#include "framework/PropDigits.h"

IMPLEMENT_DYNAMIC(CBCGPropDigits, CBCGPProp)

BOOL CBCGPropDigits::PushChar(UINT) { return TRUE; }
