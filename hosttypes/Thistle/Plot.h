// IkelPlot: a plot of a chart over a dataset, with its labels, fills and coordinate systems.
// Plots are map objects: their change notification renews their stamp.
#pragma once

#include <utility>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "hosttypes/Thistle/ChartTypes.h"
#include "hosttypes/Thistle/Dataset.h"

class CBarFillSery;
class IChartGraph;
class IkelAxis;
class IkelPlot;

// Value labels drawn beside a plot's points; setters tell the labels' plot.
class CkelPlotLabels {
public:
    explicit CkelPlotLabels(IkelPlot* plot = nullptr);
    virtual ~CkelPlotLabels();
    CkelPlotLabels(const CkelPlotLabels&) = default;
    CkelPlotLabels& operator=(const CkelPlotLabels&) = default;

    IkelPlot* GetPlot() const;
    void SetPlot(IkelPlot* plot);
    double GetAngle() const;
    void SetAngle(double angle);
    unsigned GetFirstlabelRow() const;
    void SetFirstlabelRow(unsigned row);
    unsigned GetLastlabelRow() const;
    void SetLastlabelRow(unsigned row);
    unsigned GetStep() const;
    void SetStep(unsigned step);
    void GetLogFont(QXLOGFONT* font) const;
    void SetLogFont(QXLOGFONT* font);
    bool GetIsShowlabels() const;
    void SetIsShowlabels(bool show);
    int GetLabelsColIndex() const;
    void SetLabelsColIndex(int index);
    double GetXoffset() const;
    void SetXoffset(double offset);
    double GetYoffset() const;
    void SetYoffset(double offset);
    int GetHAlignment() const;
    void SetHAlignment(int align);
    int GetVAlignment() const;
    void SetVAlignment(int align);
    CkelLabelFormat* GetLabelFormat();

    // Chart library: announces a change of the labels to their plot.
    virtual void Changed();
    void SetIsLabelsInYCol(bool inY);
    bool GetIsLabelsInYCol() const;
    // Chart library: the bar series whose labels these are; NULL for the labels of other plots.
    CBarFillSery* GetBarSery() const;

    // The label pages write the show flag and read the font directly.
    bool m_bShowLabels = false;
    QXLOGFONT m_font;

protected:
    IkelPlot* m_pPlot;
    double m_dAngle = 0;
    unsigned m_nFirstRow = 0;
    unsigned m_nLastRow = 0;
    unsigned m_nStep = 1;
    int m_nColIndex = -1;
    double m_dXOffset = 0;
    double m_dYOffset = 0;
    CkelLabelFormat m_format;
    int m_nHAlign = 0;
    int m_nVAlign = 0;
    int m_nFloatBarShowType = 0;
    int m_nTernaryLabelOrder = 0;
    int m_nWorksheetCol = -1;
    bool m_bLabelsInYCol = false;
};

class IkelPlot : public CQXObject {
    DECLARE_DYNAMIC(IkelPlot)
public:
    enum KELPlotType : int {
        KEL_PLOT_LINE = 0,
        KEL_PLOT_BAR = 1,
        KEL_PLOT_HISTOGRAM = 2,
        KEL_PLOT_CLASS = 3,
        KEL_PLOT_PIE = 4,
        KEL_PLOT_TERNARY = 5,
        KEL_PLOT_ROSE = 6,
    };

    IkelPlot();
    ~IkelPlot() override;
    IkelPlot(const IkelPlot&) = default;
    IkelPlot& operator=(const IkelPlot&) = default;

    CkelDataset* GetDataset() const;
    IChartGraph* GetChartGraph() const;
    CkelDataRange* GetDataRange();
    std::vector<std::pair<FLOATPOINT, int>>& GetDataPoints();
    int GetCoordSysType() const;
    // The outline of a selected plot: line style 997, word 4 set to 10, the rest kept.
    void GetOutlineStyleWithDrawSelectedMark(QXLOGPEN& pen);

    // Chart library.
    void SetDataset(CkelDataset* dataset);
    void SetChartGraph(IChartGraph* graph);
    KELPlotType GetPlotType() const;
    // Binding a plot to a dataset takes these two, in this order: the dataset becomes the plot's
    // own, then the plot rebuilds what it draws from it (rows, columns).
    virtual void SetOuterDataset(CkelDataset* dataset);
    virtual void UpdateByDataset(CkelDataset* dataset);

protected:
    KELPlotType m_plotType = KEL_PLOT_LINE;
    CkelDataset* m_pDataset = nullptr;
    IChartGraph* m_pChartGraph = nullptr;
    std::vector<std::pair<FLOATPOINT, int>> m_dataPoints;
    int m_nCoordSysType = 0;
    CkelDataRange m_dataRange;

    // ---- outer dataset, axes and data columns ---------------------------------------------------------
public:
    // Chart library: the dataset the plot was bound to. The stand-in draws from that dataset
    // itself, so this is the plot's dataset.
    CkelDataset* GetOuterDataset() const;
    // The plot's first (X), second (Y) and, for ternary plots, third axis; NULL until attached.
    IkelAxis* GetAxis1() const;
    IkelAxis* GetAxis2() const;
    IkelAxis* GetAxis3() const;
    // Attaching an axis as the plot's X or Y axis: the plot counts on the axis, which counts the
    // plots it carries. NULL is ignored.
    virtual void AttachXAxis(IkelAxis* axis);
    virtual void AttachYAxis(IkelAxis* axis);
    void SetAxis3(IkelAxis* axis);
    // The dataset columns drawn on the three axes (0, 1, 2 at first). A setter refuses (false,
    // column kept) an index that names no series of the plot's dataset.
    int GetAxis1ColumnIndex() const;
    int GetAxis2ColumnIndex() const;
    int GetAxis3ColumnIndex() const;
    virtual bool SetAxis1ColumnIndex(int index);
    virtual bool SetAxis2ColumnIndex(int index);
    virtual bool SetAxis3ColumnIndex(int index);
    // The series at the first and second column; NULL when there is none.
    IkelDataSery* GetColumn1() const;
    IkelDataSery* GetColumn2() const;

protected:
    bool SetColumnIndex(int slot, int index);
    void Attach(IkelAxis*& slot, IkelAxis* axis);

    IkelAxis* m_pAxis1 = nullptr;
    IkelAxis* m_pAxis2 = nullptr;
    IkelAxis* m_pAxis3 = nullptr;
    int m_nAxisColumns[3] = {0, 1, 2};
};

class IkelPlotFill {
public:
    IkelPlotFill();
    virtual ~IkelPlotFill();
    IkelPlotFill(const IkelPlotFill&) = default;
    IkelPlotFill& operator=(const IkelPlotFill&) = default;

    virtual void UpdateForPlot();

    // Chart library: recomputes the filled area.
    virtual void UpdateFill();
};

class CkelLinePlotFill : public IkelPlotFill {
public:
    enum KELFillDirections : int { KEL_FILL_UP = 0, KEL_FILL_DOWN = 1, KEL_FILL_RIGHT = 2, KEL_FILL_LEFT = 3 };

    CkelLinePlotFill();
    ~CkelLinePlotFill() override;
    CkelLinePlotFill(const CkelLinePlotFill&) = default;
    CkelLinePlotFill& operator=(const CkelLinePlotFill&) = default;

    bool GetShowFill() const;
    KELFillDirections GetFillDirections() const;

    // Chart library.
    void UpdateFill() override;
    void SetShowFill(bool show);
    void SetFillDirections(KELFillDirections direction);
    unsigned GetUpdateCount() const;

protected:
    bool m_bShowFill = false;
    KELFillDirections m_direction = KEL_FILL_DOWN;
    double m_dCutoffValue = 0;
    QXLOGBRUSH m_brush;
    unsigned m_nUpdates = 0;

    // ---- cutoff, brush and style set ------------------------------------------------------------
public:
    // Chart library: the value the fill reaches to, the fill brush (null pointers ignored) and the
    // name of the fill-style set the brush's style was picked from.
    double GetCutoffValue() const;
    void SetCutoffValue(double value);
    void GetLogBrush(QXLOGBRUSH* brush) const;
    void SetLogBrush(QXLOGBRUSH* brush);
    std::string GetFillStyleSet() const;
    void SetFillStyleSet(const std::string& name);

protected:
    std::string m_strFillStyleSet;

    // ---- automatic cutoff -----------------------------------------------------------------------------
public:
    // Chart library: the value the fill reaches to when none is chosen (the plot sets it from its
    // data when it draws).
    double GetAutoCutoffValue() const;
    void SetAutoCutoffValue(double value);

protected:
    double m_dAutoCutoffValue = 0;

public:
    // The plot the fill belongs to: the fill's setters stamp it, so that its pages read it again.
    void SetPlot(IkelPlot* plot) { m_pPlot = plot; }

protected:
    IkelPlot* m_pPlot = nullptr;
};

// Coordinate systems a plot is drawn in.
class IkelPlotCoordSys {
public:
    virtual ~IkelPlotCoordSys();
};

class CkelPlotCoordSysCartesian : public IkelPlotCoordSys {
public:
    ~CkelPlotCoordSysCartesian() override;
};

class CkelPlotCoordSysPolar : public IkelPlotCoordSys {
public:
    ~CkelPlotCoordSysPolar() override;
};

class CkelPlotCoordSysTernary : public IkelPlotCoordSys {
public:
    ~CkelPlotCoordSysTernary() override;
};
