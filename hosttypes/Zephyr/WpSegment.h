// CWpSegment: a kit made of depth intervals (segments), each with shared run data.
#pragma once

#include <vector>

#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpSegmentRecords.h"

class CWpSegment : public CWpContent {
    DECLARE_DYNAMIC(CWpSegment)
public:
    CWpSegment();
    ~CWpSegment() override;
    WPKITTYPE GetWpKitType() override;

    void SetActiveSeg(int index);
    int GetDataSource();
    void SetDataSource(int source);

    // Kit library.
    int GetActiveSeg();  // negative: none
    int GetSegCount();
    WPSEGMENT* GetSeg(int i);  // NULL outside the segments
    void AddSeg(const WPSEGMENT& seg);

    // Where the kit's data comes from; read and written directly by the lists.
    int m_nDataSource = 0;

    // ---- interval depths (kit library) ----
    // 0 for an index outside the intervals.
    double GetSegTopDpth(int i);
    double GetSegBottomDpth(int i);
    // False, nothing changed, for an index outside the intervals, a depth that is no finite number,
    // a top below the interval's bottom or a bottom above its top.
    bool SetSegTopDpth(int i, double depth);
    bool SetSegBottomDpth(int i, double depth);

    // ---- the colour the intervals are drawn in (kit library) ----
    COLORREF GetSegColor();
    void SetSegColor(COLORREF color);

protected:
    virtual void UpdateSegDepth();
    // Lets go of the record's run data and leaves it with an empty reference.
    virtual void IniSegData(WPSEGMENT& seg);

    int m_nActiveSeg = -1;
    std::vector<WPSEGMENT> m_segments;
    COLORREF m_segColor = RGB(255, 0, 0);
};
