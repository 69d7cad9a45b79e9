// The plot kinds: line, bar, histogram, class, ternary and rose plots, and the
// classification a class plot sorts its points by.
#pragma once

#include <string>
#include <vector>

#include "hosttypes/Thistle/ChartStrategies.h"
#include "hosttypes/Thistle/Plot.h"

class IkelAxis;

class CkelLineBasePlot : public IkelPlot {
    DECLARE_DYNAMIC(CkelLineBasePlot)
public:
    CkelLineBasePlot();
    ~CkelLineBasePlot() override;
    CkelLineBasePlot(const CkelLineBasePlot& other)
        : IkelPlot(other), m_pen(other.m_pen), m_labels(other.m_labels), m_fill(other.m_fill) {
        m_labels.SetPlot(this);
        m_fill.SetPlot(this);
    }
    CkelLineBasePlot& operator=(const CkelLineBasePlot& other) {
        IkelPlot::operator=(other);
        m_pen = other.m_pen;
        m_labels = other.m_labels;
        m_labels.SetPlot(this);
        m_fill = other.m_fill;
        m_fill.SetPlot(this);
        return *this;
    }

    CkelPlotLabels* GetLabels();

    // Chart library.
    void GetLogPen(QXLOGPEN* pen) const;
    void SetLogPen(QXLOGPEN* pen);
    CkelLinePlotFill* GetPlotFills();

protected:
    QXLOGPEN m_pen;
    CkelPlotLabels m_labels;
    CkelLinePlotFill m_fill;

    // ---- plots without labels or fill ---------------------------------------------------------------
public:
    // Test hooks: a plot whose library made no labels or no fill object (GetLabels or GetPlotFills
    // then answer NULL).
    void RemoveLabels() { m_bHasLabels = false; }
    void RemovePlotFills() { m_bHasFill = false; }

protected:
    bool m_bHasLabels = true;
    bool m_bHasFill = true;
};

// A line plot owns its symbol strategy; a copy gets a simple strategy of its own with the
// same first symbol.
class CkelLinePlot : public CkelLineBasePlot {
    DECLARE_DYNAMIC(CkelLinePlot)
public:
    CkelLinePlot();
    ~CkelLinePlot() override;  // deletes the symbol strategy
    CkelLinePlot(const CkelLinePlot& other);
    CkelLinePlot& operator=(const CkelLinePlot& other);

    IkelPlotSymbolStrategy* GetSymbol();

    // Chart library: 0 polyline, 1 steps.
    int GetLineMode() const;
    void SetLineMode(int mode);

protected:
    IkelPlotSymbolStrategy* m_pSymbol = nullptr;
    int m_nLineMode = 0;

    // ---- step reverse ---------------------------------------------------------------------------------
public:
    // Chart library: steps drawn the other way round (line mode 1).
    bool GetIsLineStepModeReverse() const;
    void SetIsLineStepModeReverse(bool reverse);

protected:
    bool m_bStepReverse = false;
};

class CkelBarBasePlot;

// One data series a bar plot draws: its name and its column in the plot's dataset.
class CBarFillSery {
public:
    CBarFillSery() = default;
    CBarFillSery(const std::string& name, int column) : m_strName(name), m_nColIndex(column) {}

    // Chart library.
    std::string GetSeryName() const { return m_strName; }
    int GetColIndex() const { return m_nColIndex; }

protected:
    std::string m_strName;
    int m_nColIndex = -1;

    // ---- pen, fill and labels of the series ------------------------------------------------------------
public:
    // Chart library: the series of a plot; its labels belong to the plot as well.
    CBarFillSery(const std::string& name, int column, IkelPlot* plot);
    void SetPlot(IkelPlot* plot);
    // Setters that change a value stamp the series' plot; null pointers are ignored.
    void GetLogPen(QXLOGPEN* pen) const;
    void SetLogPen(QXLOGPEN* pen);
    bool GetIsShowFill() const;
    void SetIsShowFill(bool show);
    void GetLogBrush(QXLOGBRUSH* brush) const;
    void SetLogBrush(QXLOGBRUSH* brush);
    std::string GetFillStyleSet() const;
    void SetFillStyleSet(const std::string& name);
    // NULL after RemoveLabels.
    CkelPlotLabels* GetLabels();
    // Test hook: a series whose library made no labels.
    void RemoveLabels() { m_bHasLabels = false; }

protected:
    IkelPlot* m_pPlot = nullptr;
    QXLOGPEN m_pen;
    bool m_bShowFill = true;
    QXLOGBRUSH m_brush;
    std::string m_strFillStyleSet;
    CkelPlotLabels m_labels;
    bool m_bHasLabels = true;
};

// The series a bar plot draws, and the order of all series of its dataset. The order lists
// every series of the dataset once: the stored order first (names the dataset still has),
// then the dataset's other series in their own order.
class CBarFillSeryGrp {
public:
    explicit CBarFillSeryGrp(CkelBarBasePlot* plot = nullptr) : m_pPlot(plot) {}

    // Chart library.
    unsigned GetSeryNums() const;
    CBarFillSery* GetFillSery(unsigned index);  // NULL outside the group
    void GetDataSetOrder(std::vector<std::string>& names) const;
    void SetDataSetOrder(std::vector<std::string>& names);
    bool IsSeryInGroup(const std::string& name) const;
    // False when the name is already in the group or is no series of the plot's dataset.
    bool AddSery(const std::string& name);
    void DeleteSery(const std::string& name);
    // Puts the group's series in the dataset order and has the plot drawn again.
    void UpdateForPlot();

    // The group's plot, also for every series it holds.
    void SetPlot(CkelBarBasePlot* plot);

protected:
    CkelBarBasePlot* m_pPlot;
    std::vector<CBarFillSery> m_series;
    std::vector<std::string> m_order;

    // ---- the current series --------------------------------------------------------------------------
public:
    // Chart library: the position of the series of that name; -1 when the group has none.
    int GetIndexByName(const std::string& name) const;
    // The series the label and fill pages show; NULL when the group is empty.
    CBarFillSery* GetCurSelFillSery();
    int GetCurSelIndex() const;
    // An index outside the group is ignored; a change stamps the plot.
    void SetCurSelIndex(int index);

protected:
    int m_nCurSel = 0;
};

class CkelBarBasePlot : public IkelPlot {
    DECLARE_DYNAMIC(CkelBarBasePlot)
public:
    CkelBarBasePlot();
    ~CkelBarBasePlot() override;
    CkelBarBasePlot(const CkelBarBasePlot& other) : IkelPlot(other) { CopyFrom(other); }
    CkelBarBasePlot& operator=(const CkelBarBasePlot& other) {
        IkelPlot::operator=(other);
        CopyFrom(other);
        return *this;
    }

    // Bar width as a fraction of the category width.
    double GetWidthPercent() const;
    IkelAxis* GetBaseAxis() const;
    IkelAxis* GetParallelAxis() const;
    int GetBaseColumn() const;
    int GetParallelColumn() const;
    int GetOrientation() const;

    // Chart library.
    void SetWidthPercent(double percent);
    CBarFillSeryGrp* GetFillSeryGroup();

protected:
    void CopyFrom(const CkelBarBasePlot& other) {
        m_pBaseAxis = other.m_pBaseAxis;
        m_pParallelAxis = other.m_pParallelAxis;
        m_nBaseColumn = other.m_nBaseColumn;
        m_nParallelColumn = other.m_nParallelColumn;
        m_nOrientation = other.m_nOrientation;
        m_dWidthPercent = other.m_dWidthPercent;
        m_dBarWidth = other.m_dBarWidth;
        m_bars = other.m_bars;
        m_fillGroup = other.m_fillGroup;
        m_fillGroup.SetPlot(this);
    }

    IkelAxis* m_pBaseAxis = nullptr;
    IkelAxis* m_pParallelAxis = nullptr;
    int m_nBaseColumn = -1;
    int m_nParallelColumn = -1;
    int m_nOrientation = 0;
    double m_dWidthPercent = 0.8;
    double m_dBarWidth = 0;
    std::vector<BARSTRUCT> m_bars;
    CBarFillSeryGrp m_fillGroup{this};

public:
    // A bar plot's base axis is its X axis, the axis its bars stand on the parallel one.
    void AttachXAxis(IkelAxis* axis) override;
    void AttachYAxis(IkelAxis* axis) override;
};

class CkelBarPlot : public CkelBarBasePlot {
    DECLARE_DYNAMIC(CkelBarPlot)
public:
    CkelBarPlot();
    ~CkelBarPlot() override;

    // Chart library: bars of several series stacked (else side by side), the overlap of
    // neighbouring bars as a fraction (-1 .. 1), and whether the bars lie horizontally.
    bool GetIsStack() const;
    double GetOverLapPer() const;
    bool GetIsTransfer() const;

protected:
    bool m_bStack = false;
    double m_dOverLapPer = 0;
    bool m_bTransfer = false;

    // ---- setters and direction ----------------------------------------------------------------------
public:
    // Chart library: each change stamps the plot.
    void SetStackMethod(bool stack);
    void SetOverLapPer(double overlap);
    void SetIsTransfer(bool transfer);
    // The drawing direction: true horizontal bars, false vertical ones.
    bool GetIsHorizontal() const;
    void SetIsHorizontal(bool horizontal);

protected:
    bool m_bHorizontal = false;
};

class CHistogramPlot : public CkelBarBasePlot {
    DECLARE_DYNAMIC(CHistogramPlot)
public:
    CHistogramPlot();
    ~CHistogramPlot() override;

    // ---- binning ------------------------------------------------------------------------------------
    // Chart library: the binned column of the outer dataset, the ends of the binned range, the
    // number of intervals and whether the bars show frequencies (else counts); changes stamp.
    int GetDataCol() const;
    void SetDataCol(int col);
    double GetLeftValue() const;
    void SetLeftValue(double value);
    double GetRightValue() const;
    void SetRightValue(double value);
    int GetZoneCount() const;
    void SetZoneCount(int count);
    bool GetIsFrequency() const;
    void SetIsFrequency(bool frequency);

protected:
    int m_nDataCol = 0;
    double m_dLeftValue = 0;
    double m_dRightValue = 100;
    int m_nZoneCount = 10;
    bool m_bFrequency = false;
};

// One class of a classification: a value range and the symbol drawn for it.
class CClassEntity {
public:
    double m_dMin = 0;
    double m_dMax = 0;
    QXLOGPOINT m_symbol;
    std::string m_strName;
};

class CkelClassificationManager {
public:
    CkelClassificationManager();
    virtual ~CkelClassificationManager();
    CkelClassificationManager(const CkelClassificationManager&) = default;
    CkelClassificationManager& operator=(const CkelClassificationManager&) = default;

    // Chart library.
    IkelDataSery* GetDataSery() const;
    void SetDataSery(IkelDataSery* sery);
    unsigned GetClassNum() const;
    CClassEntity* GetClassEntity(unsigned i);  // NULL outside the classes
    void AddClass(const CClassEntity& entity);
    int GetDefaultClassNum() const;
    // Numeric classes of width interval from min up to max (the last one ends at max). False,
    // classes kept, when there is no numeric series, max < min, interval <= 0 or not finite, or
    // the classes would be more than kMaxClasses.
    bool SetClassPara(double max, double min, double interval);
    // One class per distinct text of the character series, in order of first appearance.
    void StringClass();
    // False outside the classes. A numeric class's range goes to its neighbour (the next one,
    // else the previous one), so that the classes stay contiguous.
    bool RemoveClass(unsigned index);
    void RemoveAll();
    // Has the plot's points take their classes' symbols again.
    void UpdateSymbol(bool rebuild);
    void SetIsNeedRebuild(bool rebuild);
    bool GetIsNeedRebuild() const;

    static constexpr unsigned kMaxClasses = 100000;

protected:
    IkelDataSery* m_pDataSery = nullptr;
    std::vector<CClassEntity> m_classes;
    unsigned m_nDefaultClassNum = 5;
    bool m_bNeedRebuild = false;
};

class CkelClassPlot : public IkelPlot {
    DECLARE_DYNAMIC(CkelClassPlot)
public:
    CkelClassPlot();
    ~CkelClassPlot() override;
    CkelClassPlot(const CkelClassPlot& other)
        : IkelPlot(other),
          m_nClassCol(other.m_nClassCol),
          m_labels(other.m_labels),
          m_classification(other.m_classification) {
        m_labels.SetPlot(this);
    }
    CkelClassPlot& operator=(const CkelClassPlot& other) {
        IkelPlot::operator=(other);
        m_nClassCol = other.m_nClassCol;
        m_labels = other.m_labels;
        m_labels.SetPlot(this);
        m_classification = other.m_classification;
        return *this;
    }

    unsigned GetClassCol() const;
    CkelPlotLabels* GetLabels();
    CkelClassificationManager* GetClassificationManager();

    // Chart library.
    void SetClassCol(unsigned col);
    // The series of the class column in the plot's dataset; NULL when there is none.
    IkelDataSery* GetClassDatasery();
    void UpdateByDataset(CkelDataset* dataset) override;

protected:
    unsigned m_nClassCol = 0;
    CkelPlotLabels m_labels;
    CkelClassificationManager m_classification;

    // ---- symbols ---------------------------------------------------------------------------------------
public:
    // Chart library: whether symbols are drawn, whether every class takes one uniform symbol, and
    // that symbol (null pointers ignored); changes stamp.
    bool GetIsShowSymbol() const;
    void SetIsShowSymbol(bool show);
    bool GetIsUniSetSymbol() const;
    void SetIsUniSetSymbol(bool uniform);
    void GetUniSymbol(QXLOGPOINT* symbol) const;
    void SetUniSymbol(QXLOGPOINT* symbol);
    // Test hook: a plot whose library made no labels (GetLabels then answers NULL).
    void RemoveLabels() { m_bHasLabels = false; }

protected:
    bool m_bShowSymbol = true;
    bool m_bUniSymbol = true;
    QXLOGPOINT m_uniSymbol;
    bool m_bHasLabels = true;
};

class CkelTernaryPlot : public IkelPlot {
    DECLARE_DYNAMIC(CkelTernaryPlot)
public:
    CkelTernaryPlot();
    ~CkelTernaryPlot() override;
    CkelTernaryPlot(const CkelTernaryPlot& other)
        : IkelPlot(other),
          m_nXCol(other.m_nXCol),
          m_nYCol(other.m_nYCol),
          m_nZCol(other.m_nZCol),
          m_classes(other.m_classes),
          m_classStamp(other.m_classStamp),
          m_labels(other.m_labels),
          m_nClassCol(other.m_nClassCol) {
        m_labels.SetPlot(this);
    }
    CkelTernaryPlot& operator=(const CkelTernaryPlot& other) {
        IkelPlot::operator=(other);
        m_nXCol = other.m_nXCol;
        m_nYCol = other.m_nYCol;
        m_nZCol = other.m_nZCol;
        m_classes = other.m_classes;
        m_classStamp = other.m_classStamp;
        m_labels = other.m_labels;
        m_labels.SetPlot(this);
        m_nClassCol = other.m_nClassCol;
        return *this;
    }

    int GetXCol() const;
    int GetYCol() const;
    int GetZCol() const;
    unsigned GetClassCounts() const;
    CkelPlotLabels* GetPlotLabels();

    // Chart library.
    void AddClass(const CClassEntity& entity);
    CClassEntity* GetClass(unsigned i);  // NULL outside the classes
    // The symbol of every class of that name; nothing for a NULL symbol.
    void SetClassSymbol(const std::string& name, QXLOGPOINT* symbol);
    // The column the points are classed by (-1 none).
    int GetClassCol() const;
    void SetClassCol(int col);

protected:
    int m_nXCol = 0;
    int m_nYCol = 1;
    int m_nZCol = 2;
    std::vector<CClassEntity> m_classes;
    uint64_t m_classStamp = 0;
    CkelPlotLabels m_labels;
    int m_nClassCol = -1;

public:
    // The three value columns are the plot's axis columns.
    bool SetAxis1ColumnIndex(int index) override;
    bool SetAxis2ColumnIndex(int index) override;
    bool SetAxis3ColumnIndex(int index) override;
    // Test hook: a plot whose library made no labels (GetPlotLabels then answers NULL).
    void RemoveLabels() { m_bHasLabels = false; }

protected:
    bool m_bHasLabels = true;
};

class CRosePlot : public IkelPlot {
    DECLARE_DYNAMIC(CRosePlot)
public:
    enum ROSETYPE : int { ROSE_SECTOR = 0, ROSE_FLOWER = 1 };

    CRosePlot();
    ~CRosePlot() override;

    // Chart library: the angle column and the count column (-1 none) of the outer dataset, the
    // sector angle, the type, the outline pen and the fill (null pointers ignored); changes stamp.
    int GetDataCol() const;
    void SetDataCol(int col);
    int GetCountCol() const;
    void SetCountCol(int col);
    double GetAngleSpacing() const;
    void SetAngleSpacing(double angle);
    double GetRoseType() const;
    void SetRoseType(ROSETYPE type);
    void GetLogPen(QXLOGPEN* pen) const;
    void SetLogPen(QXLOGPEN* pen);
    bool GetIsShowFill() const;
    void SetIsShowFill(bool show);
    void GetLogBrush(QXLOGBRUSH* brush) const;
    void SetLogBrush(QXLOGBRUSH* brush);
    std::string GetFillStyleSet() const;
    void SetFillStyleSet(const std::string& name);

protected:
    int m_nDataCol = 0;
    int m_nCountCol = -1;
    double m_dAngleSpacing = 10;
    ROSETYPE m_type = ROSE_SECTOR;
    QXLOGPEN m_pen;
    bool m_bShowFill = true;
    QXLOGBRUSH m_brush;
    std::string m_strFillStyleSet;
};
