#include "chart/PropListTernaryPlot.h"

CPropListTernaryPlot::CPropListTernaryPlot() = default;
CPropListTernaryPlot::~CPropListTernaryPlot() = default;
