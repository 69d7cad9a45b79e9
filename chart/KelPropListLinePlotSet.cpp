#include "chart/KelPropListLinePlotSet.h"

CkelPropListLinePlotSet::CkelPropListLinePlotSet() = default;
CkelPropListLinePlotSet::~CkelPropListLinePlotSet() = default;
