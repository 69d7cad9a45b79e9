// CQXObjectWeb: a regular grid drawn over a map as lines, dots or crosses. Its style and gaps
// are header members; its pen belongs to the map-object library.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectWeb : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectWeb)
public:
    explicit CQXObjectWeb(CQXLayer* layer = nullptr);
    ~CQXObjectWeb() override;

    // 0 lines, 1 dots, 2 crosses.
    void SetStyle(int style) { m_nStyle = style; }
    int GetStyle() const { return m_nStyle; }
    void SetZoomStyle(int style) { m_nZoomStyle = style; }
    // Gaps between grid lines (x100).
    void SetXGap(double gap) { m_dXGap = gap; }
    double GetXGap() const { return m_dXGap; }
    void SetYGap(double gap) { m_dYGap = gap; }
    double GetYGap() const { return m_dYGap; }

    // Library operations.
    void GetLogPen(QXLOGPEN* pen) const;
    void SetLogPen(QXLOGPEN* pen);

protected:
    int m_nStyle = 0;
    int m_nZoomStyle = 0;
    double m_dXGap = 1000;
    double m_dYGap = 1000;
    QXLOGPEN m_pen;
};
