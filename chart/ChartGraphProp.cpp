#include "chart/ChartGraphProp.h"

CChartGraphProp::CChartGraphProp() = default;
CChartGraphProp::~CChartGraphProp() = default;
