#include "hosttypes/Osprey/WellPathCalculator.h"

CWellPathCalculator::CWellPathCalculator(const CWellPathCalculator& other) = default;
CWellPathCalculator::~CWellPathCalculator() = default;
