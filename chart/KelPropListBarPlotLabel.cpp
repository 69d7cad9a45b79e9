#include "chart/KelPropListBarPlotLabel.h"

CkelPropListBarPlotLabel::CkelPropListBarPlotLabel() = default;
CkelPropListBarPlotLabel::~CkelPropListBarPlotLabel() = default;
