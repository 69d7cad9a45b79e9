#include "chart/KelPropListBarPlot.h"

CkelPropListBarPlot::CkelPropListBarPlot() = default;
CkelPropListBarPlot::~CkelPropListBarPlot() = default;
