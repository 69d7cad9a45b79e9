#include "chart/KelPropListChartLegend.h"

CkelPropListChartLegend::CkelPropListChartLegend() = default;
CkelPropListChartLegend::~CkelPropListChartLegend() = default;
