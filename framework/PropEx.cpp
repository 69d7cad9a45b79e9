#include "framework/PropEx.h"

IMPLEMENT_DYNAMIC(CBCGPPropEx, CBCGPProp)

void CBCGPPropEx::OnRClickValue(CPoint, BOOL) {}
