// CkelDataset: named data series of a chart; CkelDataRange: the rows a plot draws.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hosttypes/Thistle/DataSery.h"

class CkelDataset {
public:
    CkelDataset();
    virtual ~CkelDataset();
    // Copies share the series.
    CkelDataset(const CkelDataset&) = default;
    CkelDataset& operator=(const CkelDataset&) = default;

    std::string GetName() const;
    void SetName(const std::string& name);
    std::string GetDescInfo() const;
    void SetDescInfo(const std::string& info);
    unsigned GetNumOfSeries() const;

    // Chart library.
    void AddDataSery(IkelDataSery* sery);                  // the dataset takes ownership
    IkelDataSery* GetDataSeries(unsigned index);           // NULL outside the series
    IkelDataSery* GetDataSeries(const std::string& name);  // NULL when absent
    int GetDataSeriesIndex(const std::string& name);       // -1 when absent
    int GetDataSeriesIndex(IkelDataSery* sery);            // -1 for NULL or a series of another dataset
    unsigned GetRows();

protected:
    std::string m_strName;
    std::string m_strDescInfo;
    std::vector<std::shared_ptr<IkelDataSery>> m_series;
};

// The datasets of a chart, by name, in the order they were made; the manager owns them.
class CDataSetMgrObj {
public:
    CDataSetMgrObj();
    virtual ~CDataSetMgrObj();
    CDataSetMgrObj(const CDataSetMgrObj&) = delete;
    CDataSetMgrObj& operator=(const CDataSetMgrObj&) = delete;

    // Chart library.
    bool IsDatasetExist(const std::string& name) const;
    CkelDataset* GetDataset(const std::string& name);  // NULL when absent
    // A new empty dataset of that name (the one already held when the name is taken).
    CkelDataset* CreateDataset(const std::string& name);
    unsigned GetDatasetNum() const;
    CkelDataset* GetDataset(unsigned index);  // NULL outside the datasets

protected:
    std::vector<std::unique_ptr<CkelDataset>> m_datasets;
};

class CkelDataRange {
public:
    CkelDataRange();
    virtual ~CkelDataRange();
    CkelDataRange(const CkelDataRange&) = default;
    CkelDataRange& operator=(const CkelDataRange&) = default;

    unsigned GetFirstRow() const;
    unsigned GetLastRow() const;
    unsigned GetStep() const;
    std::vector<unsigned>& GetRowIndices();
    uint64_t GetTimeStamp() const;

    // Chart library: each renews the stamp and recomputes the row indices.
    void SetFirstRow(unsigned row);
    void SetLastRow(unsigned row);
    void SetStep(unsigned step);

protected:
    unsigned m_nFirstRow = 0;
    unsigned m_nLastRow = 0;
    unsigned m_nStep = 1;
    std::vector<unsigned> m_rowIndices;
    uint64_t m_timeStamp = 0;
};
