#include "chart/ChartGraphPropFill.h"

CChartGraphPropFill::CChartGraphPropFill() = default;
CChartGraphPropFill::~CChartGraphPropFill() = default;
