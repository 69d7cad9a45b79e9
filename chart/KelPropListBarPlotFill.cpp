#include "chart/KelPropListBarPlotFill.h"

CkelPropListBarPlotFill::CkelPropListBarPlotFill() = default;
CkelPropListBarPlotFill::~CkelPropListBarPlotFill() = default;
