// IkelAxis: a chart axis with its space, tick marks, tick labels, grid and title, and its
// kinds. Axes are map objects: their change notification renews their stamp.
#pragma once

#include "hosttypes/Parsnip/QXObject.h"
#include "hosttypes/Thistle/AxisTickLabels.h"
#include "hosttypes/Thistle/AxisTickMarks.h"
#include "hosttypes/Thistle/AxisWidget.h"
#include "hosttypes/Thistle/ChartTypes.h"
#include "hosttypes/Thistle/Space.h"

class IChartGraph;

class IkelAxis : public CQXObject {
    DECLARE_DYNAMIC(IkelAxis)
public:
    IkelAxis();
    ~IkelAxis() override;
    IkelAxis(const IkelAxis&) = default;
    IkelAxis& operator=(const IkelAxis&) = default;

    IChartGraph* GetChartGraph() const;
    double GetMin() const;
    double GetMax() const;
    int GetSpaceType() const;
    int GetAxisType() const;       // 0 horizontal, 1 vertical, 3 angle, others 2/4/5/6
    int GetAxisScaleType() const;  // 1 linear, 2 log, 5 probability, others 3/7/8
    bool GetDescend() const;
    IkelSpace* GetSpace();
    double GetLength() const;
    double GetIntervalSpacing() const;
    // Stores the spacing (even when unchanged) and notifies.
    void SetIntervalSpacing(double spacing);
    CkelAxisGrid* GetGrid();
    CkelAxisTitle* GetTitle();
    CkelAxisTickMarks* GetTickMarks();
    CkelAxisTickLabels* GetTickLabels();

    // Chart library: setters renew the stamp.
    void SetChartGraph(IChartGraph* graph);
    void SetMin(double value);
    void SetMax(double value);
    void SetDescend(bool descend);
    void SetAxisScaleType(int type);
    bool GetIsAutoRange() const;
    void SetIsRangeAuto(bool autoRange);
    CkelLabelFormat::KELUnit GetAxisUnit() const;
    void SetAxisUnit(CkelLabelFormat::KELUnit unit);
    void GetLogPen(QXLOGPEN* pen) const;
    void SetLogPen(QXLOGPEN* pen);
    unsigned GetNumsOfPlots() const;
    // The number of plots drawn on the axis; plots count themselves in when attached.
    void SetNumsOfPlots(unsigned count);
    virtual void GetAxisPosition(QXPOINT& pos);
    virtual void MoveAxisTo(const QXPOINT& pos);
    virtual void SetAxisLength(double length);

protected:
    virtual double limitMaxValue(double v);
    virtual double limitMinValue(double v);

    IChartGraph* m_pChartGraph = nullptr;
    double m_dMin = 0;
    double m_dMax = 1;
    int m_nSpaceType = 0;
    int m_nAxisType = 0;
    int m_nScaleType = 1;
    bool m_bDescend = false;
    IkelSpace m_space;
    double m_dLength = 0;
    double m_dIntervalSpacing = 0;
    CkelAxisGrid m_grid;
    CkelAxisTitle m_title;
    CkelAxisTickMarks m_tickMarks;
    CkelAxisTickLabels m_tickLabels;
    bool m_bAutoRange = true;
    CkelLabelFormat::KELUnit m_unit = CkelLabelFormat::KEL_UNIT_NONE;
    QXLOGPEN m_logPen;
    unsigned m_nPlots = 0;
    QXPOINT m_position;
};

class CkelAxisStanderdX : public IkelAxis {
    DECLARE_DYNAMIC(CkelAxisStanderdX)
public:
    CkelAxisStanderdX();
    ~CkelAxisStanderdX() override;
};

class CkelAxisStanderdY : public IkelAxis {
    DECLARE_DYNAMIC(CkelAxisStanderdY)
public:
    CkelAxisStanderdY();
    ~CkelAxisStanderdY() override;
};

class CkelAxisTernary : public IkelAxis {
    DECLARE_DYNAMIC(CkelAxisTernary)
public:
    CkelAxisTernary();
    ~CkelAxisTernary() override;
};

class CkelAxisRadius : public IkelAxis {
    DECLARE_DYNAMIC(CkelAxisRadius)
public:
    CkelAxisRadius();
    ~CkelAxisRadius() override;
};

class CkelAxisAngle : public IkelAxis {
    DECLARE_DYNAMIC(CkelAxisAngle)
public:
    CkelAxisAngle();
    ~CkelAxisAngle() override;

    // Chart library: the start and sweep angles of the axis.
    virtual void FillAngleParameters(parametersForAngleSpace& paras);
    double GetStartAngle() const;
    void SetStartAngle(double radians);

protected:
    double GetIntervalAngle() const;

    double m_dStartAngle = 0;
};

class CkelAxisDateTime : public IkelAxis {
    DECLARE_DYNAMIC(CkelAxisDateTime)
public:
    CkelAxisDateTime();
    ~CkelAxisDateTime() override;
};
