#include "chart/KelPropListLinePlotLabelSymbol.h"

CkelPropListLinePlotLabelSymbol::CkelPropListLinePlotLabelSymbol() = default;
CkelPropListLinePlotLabelSymbol::~CkelPropListLinePlotLabelSymbol() = default;
