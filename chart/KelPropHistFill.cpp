#include "chart/KelPropHistFill.h"

CkelPropHistFill::CkelPropHistFill() = default;
CkelPropHistFill::~CkelPropHistFill() = default;
