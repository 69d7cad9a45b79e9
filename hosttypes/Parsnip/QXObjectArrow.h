// CQXObjectArrow: a block arrow with an outline pen and a fill, in one of seven shapes. The
// head and body proportions are header members; the rest belongs to the map-object library.
#pragma once

#include "hosttypes/Parsnip/QXObjectLine.h"

class CQXObjectArrow : public CQXObjectLine {
    DECLARE_DYNAMIC(CQXObjectArrow)
public:
    explicit CQXObjectArrow(CQXLayer* layer = nullptr);
    ~CQXObjectArrow() override;

    // Share of the arrow's length taken by the head, and the body's width as a share of the
    // head's, in percent.
    void SetHeadPercent(int percent) { m_nHeadPercent = percent; }
    int GetHeadPercent() const { return m_nHeadPercent; }
    void SetBodyPercent(int percent) { m_nBodyPercent = percent; }
    int GetBodyPercent() const { return m_nBodyPercent; }

    // Library operations.
    // Shape, 0 to 6.
    int GetStyle() const;
    void SetStyle(int style);
    // The fill; the arrow keeps it where CQXObjectLine keeps its brush.
    void GetLogBrush(QXLOGBRUSH* brush) const;
    void SetLogBrush(QXLOGBRUSH* brush);
    // Height of the arrow, map units.
    double GetHeight() const;
    void SetHeight(double height);
    // Builds the outline again from the shape, height and proportions.
    void CreateModel();

protected:
    int m_nHeadPercent = 30;
    int m_nBodyPercent = 50;
    int m_nStyle = 0;
    double m_dHeight = 10;
};
