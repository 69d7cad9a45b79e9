#include "chart/PropListTernaryLabel.h"

CPropListTernaryLabel::CPropListTernaryLabel() = default;
CPropListTernaryLabel::~CPropListTernaryLabel() = default;
