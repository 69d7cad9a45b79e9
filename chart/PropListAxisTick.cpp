#include "chart/PropListAxisTick.h"

CPropListAxisTick::CPropListAxisTick() = default;
CPropListAxisTick::~CPropListAxisTick() = default;
