// CWpPicture: pictures (or graphics) placed over depth ranges of a track.
#pragma once

#include <memory>
#include <vector>

#include "hosttypes/Zephyr/PicSegment.h"
#include "hosttypes/Zephyr/WpContent.h"

class CWpPicture : public CWpContent {
    DECLARE_DYNAMIC(CWpPicture)
public:
    CWpPicture();
    ~CWpPicture() override;
    WPKITTYPE GetWpKitType() override;

    bool AddSegment();
    int GetSegCount();
    CgPicSegment* GetActiveSeg();
    int GetType();  // 0 picture, otherwise graphic

    // Kit library.
    virtual CgPicSegment* GetSegment(int i);  // NULL outside the segments
    CgPicSegment* AppendSegment(const CgPicSegment& seg);
    void SetActiveSegIndex(int i);
    void SetType(int type);

    // The active segment's depth range (metres, growing downward). The setters refuse (false) a
    // value without an active segment, one that is no finite number, or a top not above the bottom.
    double GetActiveSegTopDepth();
    double GetActiveSegBotDepth();
    bool SetActiveSegTopDepth(double depth);
    bool SetActiveSegBotDepth(double depth);
    // Locks or unlocks the active segment's height-to-width ratio; nothing without one.
    void LockScale(bool lock);

protected:
    std::vector<std::unique_ptr<CgPicSegment>> m_segments;
    int m_nActiveSeg = -1;
    int m_nType = 0;
};
