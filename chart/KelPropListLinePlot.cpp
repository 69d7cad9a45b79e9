#include "chart/KelPropListLinePlot.h"

CkelPropListLinePlot::CkelPropListLinePlot() = default;
CkelPropListLinePlot::~CkelPropListLinePlot() = default;
