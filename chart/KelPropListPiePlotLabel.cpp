#include "chart/KelPropListPiePlotLabel.h"

CkelPropListPiePlotLabel::CkelPropListPiePlotLabel() = default;
CkelPropListPiePlotLabel::~CkelPropListPiePlotLabel() = default;
