#include "chart/KelPropListAxisLabel.h"

CkelPropListAxisLabel::CkelPropListAxisLabel() = default;
CkelPropListAxisLabel::~CkelPropListAxisLabel() = default;
