#include "chart/KelPropListClassPlot.h"

CkelPropListClassPlot::CkelPropListClassPlot() = default;
CkelPropListClassPlot::~CkelPropListClassPlot() = default;
