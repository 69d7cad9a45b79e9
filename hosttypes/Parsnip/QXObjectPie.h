// CQXObjectPie: a chart symbol drawn at a map point from its records: a pie (whole or half), a
// bar chart or a current-state chart, in eight shapes. It is a map object of its own, not a
// point: a point object typed "饼图" is not a pie, and lists check the class before pie calls.
// Every value is kept by the map-object library.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"

class CQXObjectPie : public CQXObject {
    DECLARE_DYNAMIC(CQXObjectPie)
public:
    explicit CQXObjectPie(CQXLayer* layer = nullptr);
    ~CQXObjectPie() override;

    // Number of records (properties) the chart draws.
    int GetRecordCount() const;
    // Shape, 0 to 7.
    int GetShapeType() const;
    // Label font and outline pen.
    void GetFont(QXLOGFONT& font) const;
    void SetFont(QXLOGFONT& font);
    void GetPen(QXLOGPEN& pen) const;
    void SetPen(QXLOGPEN& pen);
    // Offsets of the chart from its point.
    int GetXMove() const;
    void SetXMove(int move);
    int GetYMove() const;
    void SetYMove(int move);
    // The indicator line from the point to the chart: drawn when the flag is 1, and its pen.
    int GetDrawOrgLine() const;
    void SetDrawOrgLine(int draw);
    void GetDrawOrgLine(QXLOGPEN* pen) const;
    void SetDrawOrgLine(QXLOGPEN& pen);
    // The bottom line: drawn when the flag is 1, its width and its pen.
    int GetDrawBotLine() const;
    void SetDrawBotLine(int draw);
    double GetBotWidth() const;
    void SetBotWidth(double width);
    void GetBotPen(QXLOGPEN& pen) const;
    void SetBotPen(QXLOGPEN& pen);
    // Sizes of the shapes.
    double GetRadius() const;
    void SetRadius(double radius);
    double GetUpRadius() const;
    void SetUpRadius(double radius);
    double GetBarWidth() const;
    void SetBarWidth(double width);
    double GetBarHeight() const;
    void SetBarHeight(double height);
    double GetBarInterv() const;
    void SetBarInterv(double interval);
    double GetBarCurveHeight() const;
    void SetBarCurveHeight(double height);
    // Number of records drawn as bars above the chart.
    int GetUpPropCount() const;
    void SetUpPropCount(int count);

    // Library side for fixtures (the layer sets these when it builds its charts): a negative
    // record count is taken as 0.
    void SetRecordCount(int count);
    void SetShapeType(int shape);

protected:
    int m_nRecordCount = 0;
    int m_nShapeType = 0;
    QXLOGFONT m_font;
    QXLOGPEN m_pen;
    int m_nDrawOrgLine = 0;
    QXLOGPEN m_orgLinePen;
    QXLOGPEN m_botPen;
    int m_nXMove = 0;
    int m_nYMove = 0;
    int m_nDrawBotLine = 0;
    double m_dBotWidth = 0;
    double m_dRadius = 500;
    double m_dUpRadius = 0;
    double m_dBarWidth = 200;
    double m_dBarHeight = 1000;
    double m_dBarInterv = 0;
    double m_dBarCurveHeight = 0;
    int m_nUpPropCount = 1;
};
