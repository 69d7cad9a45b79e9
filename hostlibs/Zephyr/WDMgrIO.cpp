#include "hosttypes/Zephyr/WDMgrIO.h"

WDMgrIO::WDMgrIO() = default;
WDMgrIO::~WDMgrIO() = default;
