// Strategies that compute an axis's tick marks and labels and a plot's point symbols, and
// the process-wide factories that make them. The strategies' workings are the chart
// library's; the factories' tables are fixed here.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Thistle/ChartTypes.h"

class CkelAxisTickLabels;
class CkelAxisTickMarks;
class IkelPlot;

class IkelAxisTickLabelsStrategy {
public:
    explicit IkelAxisTickLabelsStrategy(CkelAxisTickLabels* labels);
    virtual ~IkelAxisTickLabelsStrategy();
    CkelAxisTickLabels* GetTickLabels() const;

protected:
    CkelAxisTickLabels* m_pLabels;
};

class CkelAxisTickLabelsAutoStrategy : public IkelAxisTickLabelsStrategy {
public:
    explicit CkelAxisTickLabelsAutoStrategy(CkelAxisTickLabels* labels);
    ~CkelAxisTickLabelsAutoStrategy() override;
};

class CkelAxisTickLabelsDateTimeStrategy : public IkelAxisTickLabelsStrategy {
public:
    explicit CkelAxisTickLabelsDateTimeStrategy(CkelAxisTickLabels* labels);
    ~CkelAxisTickLabelsDateTimeStrategy() override;
};

class CkelAxisTickLabelsDataSetStrategy : public IkelAxisTickLabelsStrategy {
public:
    explicit CkelAxisTickLabelsDataSetStrategy(CkelAxisTickLabels* labels);
    ~CkelAxisTickLabelsDataSetStrategy() override;
};

class IkelAxisTickMarkStrategy {
public:
    explicit IkelAxisTickMarkStrategy(CkelAxisTickMarks* marks);
    virtual ~IkelAxisTickMarkStrategy();
    CkelAxisTickMarks* GetTickMarks() const;

protected:
    CkelAxisTickMarks* m_pMarks;
};

class CkelAxisTickMarkForFloatSpace : public IkelAxisTickMarkStrategy {
public:
    explicit CkelAxisTickMarkForFloatSpace(CkelAxisTickMarks* marks);
    ~CkelAxisTickMarkForFloatSpace() override;
};

class CkelAxisTickMarkForDateTimeSpace : public IkelAxisTickMarkStrategy {
public:
    explicit CkelAxisTickMarkForDateTimeSpace(CkelAxisTickMarks* marks);
    ~CkelAxisTickMarkForDateTimeSpace() override;
};

class CkelAxisTickMarkForRationalSpace : public IkelAxisTickMarkStrategy {
public:
    explicit CkelAxisTickMarkForRationalSpace(CkelAxisTickMarks* marks);
    ~CkelAxisTickMarkForRationalSpace() override;
};

class CkelAxisTickMarkForDataSet : public IkelAxisTickMarkStrategy {
public:
    explicit CkelAxisTickMarkForDataSet(CkelAxisTickMarks* marks);
    ~CkelAxisTickMarkForDataSet() override;
};

class IkelPlotSymbolStrategy {
public:
    explicit IkelPlotSymbolStrategy(IkelPlot* plot);
    virtual ~IkelPlotSymbolStrategy();
    IkelPlot* GetPlot() const;

protected:
    IkelPlot* m_pPlot;
};

// One point style for every data point; the line label page edits m_firstSymbol directly.
class CkelPlotSymbolSimpleStrategy : public IkelPlotSymbolStrategy {
public:
    explicit CkelPlotSymbolSimpleStrategy(IkelPlot* plot);
    ~CkelPlotSymbolSimpleStrategy() override;

    void GetFirstSymbol(QXLOGPOINT* symbol);

    QXLOGPOINT m_firstSymbol;
};

class CkelLabelStrategyFactory {
public:
    static CkelLabelStrategyFactory* GetLabelStrategyFactory();
    // 0 automatic, 1 date-time, 2 dataset labels; NULL for any other kind.
    IkelAxisTickLabelsStrategy* CreateLabelStratery(KELAxisLabelType type, CkelAxisTickLabels* labels);
    void DeleteLabelStratery(IkelAxisTickLabelsStrategy* strategy);
};

class CkelTickMarksStrategyFactory {
public:
    static CkelTickMarksStrategyFactory* GeTickMarkStrategyFactory();
    // 0 float, 1 date-time, 2 rational space, 3 dataset; NULL for any other kind.
    IkelAxisTickMarkStrategy* CreateTickMarkStratery(KELTickMarkType type, CkelAxisTickMarks* marks);
    void DeleteTickMarkStratery(IkelAxisTickMarkStrategy* strategy);
};

class CkelPlotSymbolFactory {
public:
    static CkelPlotSymbolFactory* GetPlotSymbolFactory();
    // 0 the simple strategy; NULL for any other kind.
    IkelPlotSymbolStrategy* CreatePlotSymbolStrategy(KELPlotSymbolType type, IkelPlot* plot);
    void DeletePlotSymbolStrategy(IkelPlotSymbolStrategy*& strategy);
};
