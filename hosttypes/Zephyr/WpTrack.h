// CWpTrack: a track of a well plot; CWpDepth: the depth track (not a CWpTrack).
#pragma once

#include "hosttypes/Zephyr/WpKit.h"

class CWpTrack : public CWpKit {
    DECLARE_DYNAMIC(CWpTrack)
public:
    CWpTrack();
    ~CWpTrack() override;
    WPKITTYPE GetWpKitType() override;
};

class CWpDepth : public CWpKit {
    DECLARE_DYNAMIC(CWpDepth)
public:
    CWpDepth();
    ~CWpDepth() override;
    WPKITTYPE GetWpKitType() override;

    DepthType GetShowDepthType();
    void SetShowDepthType(DepthType type);

protected:
    DepthType m_showDepthType = DEPTH_MEASURED;
};
