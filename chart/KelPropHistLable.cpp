#include "chart/KelPropHistLable.h"

CkelPropHistLable::CkelPropHistLable() = default;
CkelPropHistLable::~CkelPropHistLable() = default;
