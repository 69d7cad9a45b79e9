// CQXObjectCtrlLine: a control line that steers contouring: a polyline whose control points
// carry values, drawn with value labels. Its members are header members.
#pragma once

#include <vector>

#include "hosttypes/Parsnip/QXObjectPolyline.h"

class CQXObjectCtrlLine : public CQXObjectPolyline {
    DECLARE_DYNAMIC(CQXObjectCtrlLine)
public:
    // The value the line has at one of its points.
    struct CONTROL_PT_VAL {
        int nIndex = 0;       // the point of the line
        double dValue = 0.0;  // the value there
    };

    explicit CQXObjectCtrlLine(CQXLayer* layer = nullptr);
    ~CQXObjectCtrlLine() override;

    std::vector<CONTROL_PT_VAL>* Control() { return &m_control; }
    // Which control value is labelled, and every how many points a label is written.
    void SetDrawIndex(int index) { m_nDrawIndex = index; }
    int GetDrawIndex() const { return m_nDrawIndex; }
    void SetMultiStep(int step) { m_nMultiStep = step; }
    // Font of the labels.
    void SetFont(QXLOGFONT& font) { m_font = font; }
    void GetFont(QXLOGFONT& font) const { font = m_font; }

protected:
    std::vector<CONTROL_PT_VAL> m_control;
    int m_nDrawIndex = 0;
    int m_nMultiStep = 1;
    QXLOGFONT m_font;
};
