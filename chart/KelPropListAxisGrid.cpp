#include "chart/KelPropListAxisGrid.h"

CkelPropListAxisGrid::CkelPropListAxisGrid() = default;
CkelPropListAxisGrid::~CkelPropListAxisGrid() = default;
