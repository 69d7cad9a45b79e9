// IChartGraph: a statistical chart with its title, datasets, axes and plots; the managers
// and factories around it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hosttypes/Kestrel/StyleRecords.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "hosttypes/Thistle/Dataset.h"

class IChartGraph;
class IkelAxis;
class IkelPlot;

class CkelChartTitle {
public:
    CkelChartTitle();
    virtual ~CkelChartTitle();
    CkelChartTitle(const CkelChartTitle&) = default;
    CkelChartTitle& operator=(const CkelChartTitle&) = default;

    std::string GetText() const;

    // Chart library.
    void SetText(const std::string& text);
    double GetXOffset() const;
    void SetXOffset(const double& offset);
    double GetYOffset() const;
    void SetYOffset(const double& offset);
    void GetLogFont(QXLOGFONT& font) const;
    void SetLogFont(const QXLOGFONT& font);

protected:
    std::string m_strText;
    double m_dXOffset = 0;
    double m_dYOffset = 0;
    FLOATRECT m_extent;
    IChartGraph* m_pChartGraph = nullptr;
    QXLOGFONT m_font;
};

class CkelAxisManager {
public:
    // Chart library.
    unsigned GetAllAxisNum() const;
    IkelAxis* GetAxis(unsigned index);  // NULL outside the axes
    IkelAxis* GetAxis(const std::string& name);  // the first axis of that name; NULL when none has it
    void AddAxis(IkelAxis* axis);

    std::vector<IkelAxis*> m_axes;
};

class CkelSequenceManager {
public:
    std::vector<CQXObject*> m_sequence;
};

class CkelPlotManager {
public:
    std::vector<IkelPlot*> m_plots;
};

class CkelDatasetFactory {
public:
    std::vector<CkelDataset*> m_datasets;
};

// Reads a data file into a dataset: Open first (false: the file cannot be read), then Fill.
class IkelDataAdapter {
public:
    virtual ~IkelDataAdapter();

    // Chart library.
    virtual bool Open() = 0;
    virtual void Fill(CkelDataset* dataset) = 0;
};

// Hands out the adapter that reads a file's format; the factory keeps its adapters.
class CChartDataFactory {
public:
    static CChartDataFactory* Instance();
    CChartDataFactory();
    ~CChartDataFactory();
    CChartDataFactory(const CChartDataFactory&) = delete;
    CChartDataFactory& operator=(const CChartDataFactory&) = delete;

    // Chart library: NULL when the file's format is not supported.
    IkelDataAdapter* GetAdapterInstance(const std::string& path);

    std::vector<IkelDataAdapter*> m_adapters;
};

class CChartGraphUtility {
public:
    // Chart library: whether the dataset's columns suit a plot of that kind (IkelPlot::KELPlotType).
    static bool IsDataSetValidateForPlot(CkelDataset* dataset, int plotType);
};

class IChartGraph : public CQXObject {
    DECLARE_DYNAMIC(IChartGraph)
public:
    enum KELChartGraphType : int {
        KEL_CHART_XY = 0,
        KEL_CHART_PIE = 1,
        KEL_CHART_TERNARY = 2,
        KEL_CHART_POLAR = 3,
        KEL_CHART_STATISTIC = 4,
    };

    IChartGraph();
    ~IChartGraph() override;
    IChartGraph(const IChartGraph&) = default;
    IChartGraph& operator=(const IChartGraph&) = default;

    KELChartGraphType GetChartGraphType() const;

    // Chart library.
    CkelChartTitle* GetTitle();
    CkelAxisManager* GetAxisManager();
    // NULL when the chart has none; copies of a chart share it.
    CDataSetMgrObj* GetDatasetManagerObj();
    void SetDatasetManagerObj(std::shared_ptr<CDataSetMgrObj> manager);
    // The chart's change notification: renews its stamp.
    void OnChanged(int hint) override;

protected:
    std::shared_ptr<CDataSetMgrObj> m_datasetManager;
    KELChartGraphType m_graphType = KEL_CHART_XY;
    CkelChartTitle m_title;
    CkelAxisManager m_axisManager;
    CkelSequenceManager m_sequenceManager;
    CkelPlotManager m_plotManager;

    // ---- the chart's background ----------------------------------------------------------------
public:
    // Chart library: copy the background brush out or in; a null pointer is ignored. The setter
    // renews the chart's stamp.
    void GetLogBrush(QXLOGBRUSH* brush) const;
    void SetLogBrush(QXLOGBRUSH* brush);

protected:
    QXLOGBRUSH m_logBrush;

public:
    // Chart library: the kind of chart; a change stamps it.
    void SetChartGraphType(KELChartGraphType type);
};
