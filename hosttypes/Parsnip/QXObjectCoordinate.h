// CQXObjectCoordinate: the coordinate system of the pie and bar symbols of a map: two axes
// with names, ticks, tick labels, grid lines and a trend line. Its geometry is its first
// segment, whose point 0 is the origin. Editors read and write the public members directly;
// the X-axis factor belongs to the map-object library.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"
#include "hosttypes/Parsnip/QXSegment.h"

class CQXObjectCoordinate : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectCoordinate)
public:
    explicit CQXObjectCoordinate(CQXLayer* layer = nullptr);
    ~CQXObjectCoordinate() override;

    // Point 0 of the first segment; (0, 0) while the object has no such point.
    FLOATPOINT GetOrigin() const {
        FLOATPOINT point(0, 0);
        if (const CQXSegment* segment = GetSegment(0)) segment->GetPoint(0, point);
        return point;
    }
    // Moves point 0 of the first segment; an object without that point is left unchanged.
    void SetOrigin(const FLOATPOINT& point) {
        if (CQXSegment* segment = GetSegment(0)) segment->SetPoint(0, point);
    }

    // Library operations: the zoom of the X axis.
    unsigned GetAxisXFactor() const;
    void SetAxisXFactor(unsigned factor);

    // In declaration order. The width is not a member: it is the X maximum minus the X minimum.
    double m_dHeight = 0;
    CString m_strXName;
    CString m_strYName;
    int m_nScaleLength = 0;
    double m_dXMin = 0;
    double m_dXMax = 0;
    double m_dYMin = 0;
    double m_dYMax = 0;
    double m_dXDivision = 0;
    double m_dYDivision = 0;
    double m_dXLabelInterval = 0;
    double m_dYLabelInterval = 0;
    int m_nXLabelShow = 1;
    int m_nYLabelShow = 1;
    int m_nXLabelSide = 0;  // 1 above, 0 below
    int m_nYLabelSide = 0;  // 1 right, 0 left
    QXLOGFONT m_XNameFont;
    QXLOGFONT m_YNameFont;
    QXLOGFONT m_XLabelFont;
    QXLOGFONT m_YLabelFont;
    QXLOGPEN m_XAxisPen;
    QXLOGPEN m_YAxisPen;
    QXLOGPEN m_TrendPen;
    QXLOGPEN m_XScalePen;
    QXLOGPEN m_YScalePen;
    int m_nXLabelDecimal = 1;
    int m_nYLabelDecimal = 1;
    QXLOGPEN m_XGridPen;
    QXLOGPEN m_YGridPen;

protected:
    unsigned m_nAxisXFactor = 1;
};
