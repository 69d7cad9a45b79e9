#include "chart/KelPropListRosePlotFill.h"

CkelPropListRosePlotFill::CkelPropListRosePlotFill() = default;
CkelPropListRosePlotFill::~CkelPropListRosePlotFill() = default;
