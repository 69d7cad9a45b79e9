#include "chart/KelPropListRosePlot.h"

CkelPropListRosePlot::CkelPropListRosePlot() = default;
CkelPropListRosePlot::~CkelPropListRosePlot() = default;
