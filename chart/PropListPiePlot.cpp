#include "chart/PropListPiePlot.h"

CPropListPiePlot::CPropListPiePlot() = default;
CPropListPiePlot::~CPropListPiePlot() = default;
