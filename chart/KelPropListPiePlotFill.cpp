#include "chart/KelPropListPiePlotFill.h"

CkelPropListPiePlotFill::CkelPropListPiePlotFill() = default;
CkelPropListPiePlotFill::~CkelPropListPiePlotFill() = default;
