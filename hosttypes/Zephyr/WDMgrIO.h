// WDMgrIO: the well-data object a well kit reads its curves, strata and intervals from.
#pragma once

#include "hosttypes/Zephyr/WpTypes.h"

class WDMgrIO {
public:
    WDMgrIO();
    virtual ~WDMgrIO();

    // Depth kind of the well's data: 0 measured, 1 vertical.
    DepthType GetDepthType();

protected:
    DepthType m_depthType = DEPTH_MEASURED;
};
