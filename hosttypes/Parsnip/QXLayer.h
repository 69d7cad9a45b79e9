// CQXLayer: a layer of map objects. Only what the framework needs so far; the map-object
// members grow with the plane-map lists.
#pragma once

#include <cstdint>

#include "mfc/Object.h"

class CQXLayer : public CObject {
    DECLARE_DYNAMIC(CQXLayer)
public:
    CQXLayer();
    ~CQXLayer() override;

    // The layer's modification stamp (renewed from AfxGetTimeStamp on every change).
    uint64_t GetTimeStamp() const;
    // Marks the layer changed: a new stamp.
    void ProChanged();

protected:
    uint64_t m_timeStamp = 0;
};
