#include "chart/KelPropListClassPlotLabelSymbol.h"

CkelPropListClassPlotLabelSymbol::CkelPropListClassPlotLabelSymbol() = default;
CkelPropListClassPlotLabelSymbol::~CkelPropListClassPlotLabelSymbol() = default;
