// The chart's dataset manager, the data adapters that read statistics files, and the rule that
// tells whether a dataset suits a plot kind.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "hostlibs/Thistle/ThistleTesting.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Plot.h"
#include "win32/Crt.h"

using thistle::detail::Record;

// ---- dataset manager -----------------------------------------------------------------------
CDataSetMgrObj::CDataSetMgrObj() = default;
CDataSetMgrObj::~CDataSetMgrObj() = default;

bool CDataSetMgrObj::IsDatasetExist(const std::string& name) const {
    return std::any_of(m_datasets.begin(), m_datasets.end(), [&](const auto& d) { return d->GetName() == name; });
}

CkelDataset* CDataSetMgrObj::GetDataset(const std::string& name) {
    for (const auto& d : m_datasets)
        if (d->GetName() == name) return d.get();
    return nullptr;
}

CkelDataset* CDataSetMgrObj::CreateDataset(const std::string& name) {
    if (CkelDataset* held = GetDataset(name)) return held;
    m_datasets.push_back(std::make_unique<CkelDataset>());
    m_datasets.back()->SetName(name);
    return m_datasets.back().get();
}

unsigned CDataSetMgrObj::GetDatasetNum() const { return static_cast<unsigned>(m_datasets.size()); }

CkelDataset* CDataSetMgrObj::GetDataset(unsigned index) {
    return index < m_datasets.size() ? m_datasets[index].get() : nullptr;
}

// ---- data adapters ----------------------------------------------------------------------------
namespace {

std::string LowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

// Cells of one line, split at tabs, commas or runs of blanks.
std::vector<std::string> SplitCells(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    const bool delimited = line.find_first_of("\t,") != std::string::npos;
    for (char c : line) {
        const bool separator = delimited ? (c == '\t' || c == ',') : crt::IsSpace(c);
        if (!separator) {
            if (c != '\r') cell += c;
            continue;
        }
        if (delimited || !cell.empty()) cells.push_back(cell);
        cell.clear();
    }
    if (delimited || !cell.empty()) cells.push_back(cell);
    return cells;
}

bool IsWholeNumber(const std::string& text, double* value) {
    std::size_t used = 0;
    const double v = crt::Atof(text.c_str(), &used);
    if (used == 0) return false;
    for (std::size_t i = used; i < text.size(); ++i)
        if (!crt::IsSpace(text[i])) return false;
    *value = v;
    return true;
}

// Text tables: a header line of column names, then one record per line. A column whose cells
// are all numbers (or empty) becomes a number series, any other a text series.
class CTextDataAdapter : public IkelDataAdapter {
public:
    void SetPath(const std::string& path) { m_path = path; }

    bool Open() override {
        Record("IkelDataAdapter::Open");
        m_names.clear();
        m_rows.clear();
        std::ifstream in(m_path);
        if (!in) return false;
        std::string line;
        while (std::getline(in, line)) {
            std::vector<std::string> cells = SplitCells(line);
            if (cells.empty()) continue;
            if (m_names.empty())
                m_names = cells;
            else
                m_rows.push_back(cells);
        }
        return !m_names.empty();
    }

    void Fill(CkelDataset* dataset) override {
        Record("IkelDataAdapter::Fill");
        if (!dataset) return;
        for (std::size_t c = 0; c < m_names.size(); ++c) {
            bool numeric = true;
            std::vector<double> numbers;
            for (const auto& row : m_rows) {
                double v = 0;
                const std::string cell = c < row.size() ? row[c] : "";
                if (!IsWholeNumber(cell, &v)) {
                    numeric = false;
                    break;
                }
                numbers.push_back(v);
            }
            if (numeric) {
                auto* sery = new CkelDataSeryDouble();
                for (double v : numbers) sery->AddData(v);
                sery->SetName(m_names[c]);
                dataset->AddDataSery(sery);
            } else {
                auto* sery = new CkelDataSeryString();
                for (const auto& row : m_rows) sery->AddData(c < row.size() ? row[c] : "");
                sery->SetName(m_names[c]);
                dataset->AddDataSery(sery);
            }
        }
        m_rows.clear();
    }

private:
    std::string m_path;
    std::vector<std::string> m_names;
    std::vector<std::vector<std::string>> m_rows;
};

// Excel workbooks are a known format, but no workbook is opened here: Open answers false.
class CExcelDataAdapter : public IkelDataAdapter {
public:
    bool Open() override {
        Record("IkelDataAdapter::Open");
        return false;
    }
    void Fill(CkelDataset*) override { Record("IkelDataAdapter::Fill"); }
};

}  // namespace

CChartDataFactory* CChartDataFactory::Instance() {
    static CChartDataFactory factory;
    return &factory;
}

CChartDataFactory::CChartDataFactory() {
    m_adapters.push_back(new CTextDataAdapter());
    m_adapters.push_back(new CExcelDataAdapter());
}

CChartDataFactory::~CChartDataFactory() {
    for (IkelDataAdapter* adapter : m_adapters) delete adapter;
}

// ".txt" and ".dat" files are text tables, ".xls" workbooks; any other format is unsupported.
IkelDataAdapter* CChartDataFactory::GetAdapterInstance(const std::string& path) {
    Record("CChartDataFactory::GetAdapterInstance");
    const std::string ext = LowerExtension(path);
    if (ext == ".txt" || ext == ".dat") {
        auto* text = static_cast<CTextDataAdapter*>(m_adapters[0]);
        text->SetPath(path);
        return text;
    }
    if (ext == ".xls") return m_adapters[1];
    return nullptr;
}

// ---- suitability ----------------------------------------------------------------------------------
// Ternary plots need three number columns; line, bar and class plots two columns of which one
// holds numbers; histograms, pies and rose diagrams one number column.
bool CChartGraphUtility::IsDataSetValidateForPlot(CkelDataset* dataset, int plotType) {
    Record("CChartGraphUtility::IsDataSetValidateForPlot");
    if (!dataset) return false;
    unsigned numeric = 0;
    const unsigned all = dataset->GetNumOfSeries();
    for (unsigned i = 0; i < all; ++i) {
        IkelDataSery* sery = dataset->GetDataSeries(i);
        if (sery && (sery->GetType() == IkelDataSery::KEL_SERY_DOUBLE || sery->GetType() == IkelDataSery::KEL_SERY_INT))
            ++numeric;
    }
    switch (plotType) {
        case IkelPlot::KEL_PLOT_TERNARY:
            return numeric >= 3;
        case IkelPlot::KEL_PLOT_LINE:
        case IkelPlot::KEL_PLOT_BAR:
        case IkelPlot::KEL_PLOT_CLASS:
            return all >= 2 && numeric >= 1;
        default:
            return numeric >= 1;
    }
}
