#include "hosttypes/Zephyr/WDMgrIO.h"

DepthType WDMgrIO::GetDepthType() { return m_depthType; }
