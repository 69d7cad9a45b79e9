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
    }
    CkelLineBasePlot& operator=(const CkelLineBasePlot& other) {
        IkelPlot::operator=(other);
        m_pen = other.m_pen;
        m_labels = other.m_labels;
        m_labels.SetPlot(this);
        m_fill = other.m_fill;
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
};

class CkelBarBasePlot : public IkelPlot {
    DECLARE_DYNAMIC(CkelBarBasePlot)
public:
    CkelBarBasePlot();
    ~CkelBarBasePlot() override;
    CkelBarBasePlot(const CkelBarBasePlot&) = default;
    CkelBarBasePlot& operator=(const CkelBarBasePlot&) = default;

    // Bar width as a fraction of the category width.
    double GetWidthPercent() const;
    IkelAxis* GetBaseAxis() const;
    IkelAxis* GetParallelAxis() const;
    int GetBaseColumn() const;
    int GetParallelColumn() const;
    int GetOrientation() const;

    // Chart library.
    void SetWidthPercent(double percent);

protected:
    IkelAxis* m_pBaseAxis = nullptr;
    IkelAxis* m_pParallelAxis = nullptr;
    int m_nBaseColumn = -1;
    int m_nParallelColumn = -1;
    int m_nOrientation = 0;
    double m_dWidthPercent = 0.8;
    double m_dBarWidth = 0;
    std::vector<BARSTRUCT> m_bars;
};

class CkelBarPlot : public CkelBarBasePlot {
    DECLARE_DYNAMIC(CkelBarPlot)
public:
    CkelBarPlot();
    ~CkelBarPlot() override;
};

class CHistogramPlot : public CkelBarBasePlot {
    DECLARE_DYNAMIC(CHistogramPlot)
public:
    CHistogramPlot();
    ~CHistogramPlot() override;
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
    unsigned GetClassNum() const;
    CClassEntity* GetClassEntity(unsigned i);  // NULL outside the classes
    void AddClass(const CClassEntity& entity);

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

protected:
    unsigned m_nClassCol = 0;
    CkelPlotLabels m_labels;
    CkelClassificationManager m_classification;
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
          m_labels(other.m_labels) {
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

protected:
    int m_nXCol = 0;
    int m_nYCol = 1;
    int m_nZCol = 2;
    std::vector<CClassEntity> m_classes;
    uint64_t m_classStamp = 0;
    CkelPlotLabels m_labels;
};

class CRosePlot : public IkelPlot {
    DECLARE_DYNAMIC(CRosePlot)
public:
    CRosePlot();
    ~CRosePlot() override;
};
