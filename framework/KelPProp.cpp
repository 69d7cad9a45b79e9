#include "framework/KelPProp.h"

CKelPProp::~CKelPProp() = default;
