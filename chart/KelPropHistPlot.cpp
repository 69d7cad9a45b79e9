#include "chart/KelPropHistPlot.h"

CkelPropHistPlot::CkelPropHistPlot() = default;
CkelPropHistPlot::~CkelPropHistPlot() = default;
