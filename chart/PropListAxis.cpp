#include "chart/PropListAxis.h"

CPropListAxis::CPropListAxis() = default;
CPropListAxis::~CPropListAxis() = default;
