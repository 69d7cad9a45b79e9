// Plots, their labels and fills, legends and charts of the chart library.
#include "hosttypes/Thistle/Plots.h"

#include <algorithm>
#include <cmath>

#include "hostlibs/Thistle/ThistleTesting.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Legend.h"
#include "hosttypes/Thistle/PiePlot.h"

using thistle::detail::Record;
using thistle::detail::Stamp;

IMPLEMENT_DYNAMIC(IkelPlot, CQXObject)
IMPLEMENT_DYNAMIC(CkelLineBasePlot, IkelPlot)
IMPLEMENT_DYNAMIC(CkelLinePlot, CkelLineBasePlot)
IMPLEMENT_DYNAMIC(CkelBarBasePlot, IkelPlot)
IMPLEMENT_DYNAMIC(CkelBarPlot, CkelBarBasePlot)
IMPLEMENT_DYNAMIC(CHistogramPlot, CkelBarBasePlot)
IMPLEMENT_DYNAMIC(CkelClassPlot, IkelPlot)
IMPLEMENT_DYNAMIC(CkelTernaryPlot, IkelPlot)
IMPLEMENT_DYNAMIC(CPiePlot, IkelPlot)
IMPLEMENT_DYNAMIC(CRosePlot, IkelPlot)
IMPLEMENT_DYNAMIC(CkelLegend, CQXObject)
IMPLEMENT_DYNAMIC(IChartGraph, CQXObject)

// ---- labels and fills -----------------------------------------------------------------
CkelPlotLabels::CkelPlotLabels(IkelPlot* plot) : m_pPlot(plot) {}
CkelPlotLabels::~CkelPlotLabels() = default;

void CkelPlotLabels::Changed() {
    Record("CkelPlotLabels::Changed");
    if (m_pPlot) m_pPlot->OnChanged(0);
}

void CkelPlotLabels::SetIsLabelsInYCol(bool inY) {
    m_bLabelsInYCol = inY;
    Changed();
}

bool CkelPlotLabels::GetIsLabelsInYCol() const { return m_bLabelsInYCol; }

IkelPlotFill::IkelPlotFill() = default;
IkelPlotFill::~IkelPlotFill() = default;
void IkelPlotFill::UpdateFill() { Record("IkelPlotFill::UpdateFill"); }

CkelLinePlotFill::CkelLinePlotFill() = default;
CkelLinePlotFill::~CkelLinePlotFill() = default;

void CkelLinePlotFill::UpdateFill() {
    Record("CkelLinePlotFill::UpdateFill");
    ++m_nUpdates;
}

void CkelLinePlotFill::SetShowFill(bool show) {
    m_bShowFill = show;
    if (m_pPlot) Stamp(m_pPlot);
}
void CkelLinePlotFill::SetFillDirections(KELFillDirections direction) {
    m_direction = direction;
    if (m_pPlot) Stamp(m_pPlot);
}
unsigned CkelLinePlotFill::GetUpdateCount() const { return m_nUpdates; }

// ---- plots ----------------------------------------------------------------------------
IkelPlot::IkelPlot() = default;
IkelPlot::~IkelPlot() = default;

void IkelPlot::SetDataset(CkelDataset* dataset) {
    m_pDataset = dataset;
    Stamp(this);
}

void IkelPlot::SetChartGraph(IChartGraph* graph) { m_pChartGraph = graph; }

IkelPlot::KELPlotType IkelPlot::GetPlotType() const { return m_plotType; }

void IkelPlot::SetOuterDataset(CkelDataset* dataset) {
    Record("IkelPlot::SetOuterDataset");
    m_pDataset = dataset;
    Stamp(this);
}

// The plot draws every row of its new dataset.
void IkelPlot::UpdateByDataset(CkelDataset* dataset) {
    Record("IkelPlot::UpdateByDataset");
    const unsigned rows = dataset ? dataset->GetRows() : 0;
    m_dataRange.SetFirstRow(0);
    m_dataRange.SetLastRow(rows > 0 ? rows - 1 : 0);
    m_dataRange.SetStep(1);
    Stamp(this);
}

CkelLineBasePlot::CkelLineBasePlot() : m_labels(this) { m_fill.SetPlot(this); }
CkelLineBasePlot::~CkelLineBasePlot() = default;

void CkelLineBasePlot::GetLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_pen;
}

void CkelLineBasePlot::SetLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_pen = *pen;
    Stamp(this);
}

CkelLinePlotFill* CkelLineBasePlot::GetPlotFills() { return m_bHasFill ? &m_fill : nullptr; }

CkelLinePlot::CkelLinePlot()
    : m_pSymbol(CkelPlotSymbolFactory::GetPlotSymbolFactory()->CreatePlotSymbolStrategy(KEL_SYMBOL_SIMPLE, this)) {
    m_plotType = KEL_PLOT_LINE;
}

CkelLinePlot::~CkelLinePlot() { CkelPlotSymbolFactory::GetPlotSymbolFactory()->DeletePlotSymbolStrategy(m_pSymbol); }

namespace {
// A symbol strategy of the copy's own, with the source's first symbol.
IkelPlotSymbolStrategy* CopySymbol(const IkelPlotSymbolStrategy* source, IkelPlot* plot) {
    if (!source) return nullptr;
    IkelPlotSymbolStrategy* copy =
        CkelPlotSymbolFactory::GetPlotSymbolFactory()->CreatePlotSymbolStrategy(KEL_SYMBOL_SIMPLE, plot);
    auto* from = dynamic_cast<const CkelPlotSymbolSimpleStrategy*>(source);
    auto* to = dynamic_cast<CkelPlotSymbolSimpleStrategy*>(copy);
    if (from && to) to->m_firstSymbol = from->m_firstSymbol;
    return copy;
}
}  // namespace

CkelLinePlot::CkelLinePlot(const CkelLinePlot& other)
    : CkelLineBasePlot(other), m_pSymbol(CopySymbol(other.m_pSymbol, this)), m_nLineMode(other.m_nLineMode) {}

CkelLinePlot& CkelLinePlot::operator=(const CkelLinePlot& other) {
    if (this == &other) return *this;
    CkelLineBasePlot::operator=(other);
    CkelPlotSymbolFactory::GetPlotSymbolFactory()->DeletePlotSymbolStrategy(m_pSymbol);
    m_pSymbol = CopySymbol(other.m_pSymbol, this);
    m_nLineMode = other.m_nLineMode;
    return *this;
}

int CkelLinePlot::GetLineMode() const { return m_nLineMode; }

void CkelLinePlot::SetLineMode(int mode) {
    m_nLineMode = mode;
    Stamp(this);
}

CkelBarBasePlot::CkelBarBasePlot() = default;
CkelBarBasePlot::~CkelBarBasePlot() = default;

void CkelBarBasePlot::SetWidthPercent(double percent) {
    m_dWidthPercent = percent;
    Stamp(this);
}

CBarFillSeryGrp* CkelBarBasePlot::GetFillSeryGroup() { return &m_fillGroup; }

CkelBarPlot::CkelBarPlot() { m_plotType = KEL_PLOT_BAR; }
CkelBarPlot::~CkelBarPlot() = default;
bool CkelBarPlot::GetIsStack() const { return m_bStack; }
double CkelBarPlot::GetOverLapPer() const { return m_dOverLapPer; }
bool CkelBarPlot::GetIsTransfer() const { return m_bTransfer; }
CHistogramPlot::CHistogramPlot() { m_plotType = KEL_PLOT_HISTOGRAM; }
CHistogramPlot::~CHistogramPlot() = default;

// ---- bar series group --------------------------------------------------------------------------
unsigned CBarFillSeryGrp::GetSeryNums() const { return static_cast<unsigned>(m_series.size()); }

CBarFillSery* CBarFillSeryGrp::GetFillSery(unsigned index) {
    return index < m_series.size() ? &m_series[index] : nullptr;
}

void CBarFillSeryGrp::GetDataSetOrder(std::vector<std::string>& names) const {
    names.clear();
    CkelDataset* dataset = m_pPlot ? m_pPlot->GetDataset() : nullptr;
    if (!dataset) return;
    auto listed = [&names](const std::string& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    for (const std::string& name : m_order)
        if (dataset->GetDataSeriesIndex(name) >= 0 && !listed(name)) names.push_back(name);
    for (unsigned i = 0; i < dataset->GetNumOfSeries(); ++i) {
        const std::string name = dataset->GetDataSeries(i)->GetName();
        if (!listed(name)) names.push_back(name);
    }
}

void CBarFillSeryGrp::SetDataSetOrder(std::vector<std::string>& names) {
    Record("CBarFillSeryGrp::SetDataSetOrder");
    m_order = names;
}

bool CBarFillSeryGrp::IsSeryInGroup(const std::string& name) const {
    return std::any_of(m_series.begin(), m_series.end(),
                       [&](const CBarFillSery& s) { return s.GetSeryName() == name; });
}

bool CBarFillSeryGrp::AddSery(const std::string& name) {
    CkelDataset* dataset = m_pPlot ? m_pPlot->GetDataset() : nullptr;
    const int column = dataset ? dataset->GetDataSeriesIndex(name) : -1;
    if (column < 0 || IsSeryInGroup(name)) return false;
    m_series.emplace_back(name, column, m_pPlot);
    return true;
}

void CBarFillSeryGrp::DeleteSery(const std::string& name) {
    m_series.erase(std::remove_if(m_series.begin(), m_series.end(),
                                  [&](const CBarFillSery& s) { return s.GetSeryName() == name; }),
                   m_series.end());
}

void CBarFillSeryGrp::UpdateForPlot() {
    Record("CBarFillSeryGrp::UpdateForPlot");
    std::vector<std::string> order;
    GetDataSetOrder(order);
    std::stable_sort(m_series.begin(), m_series.end(), [&order](const CBarFillSery& a, const CBarFillSery& b) {
        return std::find(order.begin(), order.end(), a.GetSeryName()) <
               std::find(order.begin(), order.end(), b.GetSeryName());
    });
    if (m_pPlot) Stamp(m_pPlot);
}

// ---- classification ----------------------------------------------------------------------------
CkelClassificationManager::CkelClassificationManager() = default;
CkelClassificationManager::~CkelClassificationManager() = default;
IkelDataSery* CkelClassificationManager::GetDataSery() const { return m_pDataSery; }
void CkelClassificationManager::SetDataSery(IkelDataSery* sery) { m_pDataSery = sery; }
unsigned CkelClassificationManager::GetClassNum() const { return static_cast<unsigned>(m_classes.size()); }

CClassEntity* CkelClassificationManager::GetClassEntity(unsigned i) {
    return i < m_classes.size() ? &m_classes[i] : nullptr;
}

void CkelClassificationManager::AddClass(const CClassEntity& entity) { m_classes.push_back(entity); }
int CkelClassificationManager::GetDefaultClassNum() const { return static_cast<int>(m_nDefaultClassNum); }

namespace {
// The symbol a new class k gets: the point styles in turn, each class its own inner colour.
QXLOGPOINT ClassSymbol(unsigned k) {
    static const COLORREF kColors[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 160, 0),
                                       RGB(160, 0, 160), RGB(0, 160, 160)};
    QXLOGPOINT point;
    point.style = 1001 + k % 8;
    point.size = 300;
    point.borderColor = RGB(0, 0, 0);
    point.innerColor = kColors[k % (sizeof(kColors) / sizeof(kColors[0]))];
    return point;
}
}  // namespace

bool CkelClassificationManager::SetClassPara(double max, double min, double interval) {
    Record("CkelClassificationManager::SetClassPara");
    if (!m_pDataSery || m_pDataSery->GetType() == IkelDataSery::KEL_SERY_STRING) return false;
    if (!std::isfinite(max) || !std::isfinite(min) || !std::isfinite(interval)) return false;
    if (max < min || interval <= 0) return false;
    const double count = std::ceil((max - min) / interval);
    if (count > kMaxClasses) return false;
    m_classes.clear();
    const unsigned n = std::max(1u, static_cast<unsigned>(count));
    for (unsigned k = 0; k < n; ++k) {
        CClassEntity entity;
        entity.m_dMin = min + k * interval;
        entity.m_dMax = k + 1 == n ? max : min + (k + 1) * interval;
        entity.m_symbol = ClassSymbol(k);
        m_classes.push_back(entity);
    }
    m_bNeedRebuild = true;
    return true;
}

void CkelClassificationManager::StringClass() {
    Record("CkelClassificationManager::StringClass");
    auto* texts = dynamic_cast<CkelDataSeryString*>(m_pDataSery);
    if (!texts) return;
    m_classes.clear();
    for (unsigned i = 0; i < texts->GetCount() && m_classes.size() < kMaxClasses; ++i) {
        const std::string text = texts->GetStringData(i);
        if (std::any_of(m_classes.begin(), m_classes.end(), [&](const CClassEntity& e) { return e.m_strName == text; }))
            continue;
        CClassEntity entity;
        entity.m_strName = text;
        entity.m_symbol = ClassSymbol(static_cast<unsigned>(m_classes.size()));
        m_classes.push_back(entity);
    }
    m_bNeedRebuild = true;
}

bool CkelClassificationManager::RemoveClass(unsigned index) {
    Record("CkelClassificationManager::RemoveClass");
    if (index >= m_classes.size()) return false;
    const CClassEntity removed = m_classes[index];
    if (index + 1 < m_classes.size())
        m_classes[index + 1].m_dMin = removed.m_dMin;
    else if (index > 0)
        m_classes[index - 1].m_dMax = removed.m_dMax;
    m_classes.erase(m_classes.begin() + index);
    return true;
}

void CkelClassificationManager::RemoveAll() {
    Record("CkelClassificationManager::RemoveAll");
    m_classes.clear();
}

void CkelClassificationManager::UpdateSymbol(bool rebuild) {
    Record("CkelClassificationManager::UpdateSymbol");
    if (rebuild) m_bNeedRebuild = true;
}

void CkelClassificationManager::SetIsNeedRebuild(bool rebuild) { m_bNeedRebuild = rebuild; }
bool CkelClassificationManager::GetIsNeedRebuild() const { return m_bNeedRebuild; }

CkelClassPlot::CkelClassPlot() : m_labels(this) { m_plotType = KEL_PLOT_CLASS; }
CkelClassPlot::~CkelClassPlot() = default;

void CkelClassPlot::SetClassCol(unsigned col) {
    m_nClassCol = col;
    m_classification.SetDataSery(GetClassDatasery());
    Stamp(this);
}

IkelDataSery* CkelClassPlot::GetClassDatasery() {
    return m_pDataset ? m_pDataset->GetDataSeries(m_nClassCol) : nullptr;
}

void CkelClassPlot::UpdateByDataset(CkelDataset* dataset) {
    IkelPlot::UpdateByDataset(dataset);
    m_classification.SetDataSery(GetClassDatasery());
}

CkelTernaryPlot::CkelTernaryPlot() : m_labels(this) { m_plotType = KEL_PLOT_TERNARY; }
CkelTernaryPlot::~CkelTernaryPlot() = default;

int CkelTernaryPlot::GetClassCol() const { return m_nClassCol; }

void CkelTernaryPlot::SetClassCol(int col) {
    m_nClassCol = col;
    Stamp(this);
}

void CkelTernaryPlot::SetClassSymbol(const std::string& name, QXLOGPOINT* symbol) {
    if (!symbol) return;
    for (CClassEntity& entity : m_classes)
        if (entity.m_strName == name) entity.m_symbol = *symbol;
    Stamp(this);
}

void CkelTernaryPlot::AddClass(const CClassEntity& entity) {
    m_classes.push_back(entity);
    Stamp(this);
}

CClassEntity* CkelTernaryPlot::GetClass(unsigned i) { return i < m_classes.size() ? &m_classes[i] : nullptr; }

CPiePlot::CPiePlot() {
    m_labelRange.m_pPlot = this;
    m_plotType = KEL_PLOT_PIE;
}
CPiePlot::~CPiePlot() = default;
unsigned CPiePlot::GetPieceCount() const { return static_cast<unsigned>(m_pieces.size()); }
CPiePiece* CPiePlot::GetPiece(unsigned i) { return i < m_pieces.size() ? &m_pieces[i] : nullptr; }

void CPiePlot::AddPiece(const CPiePiece& piece) {
    m_pieces.push_back(piece);
    Stamp(this);
}

CRosePlot::CRosePlot() { m_plotType = KEL_PLOT_ROSE; }
CRosePlot::~CRosePlot() = default;

// ---- legend ---------------------------------------------------------------------------
CkelLegend::CkelLegend() = default;
CkelLegend::~CkelLegend() = default;
bool CkelLegend::GetDisplayShadow() const { return m_bDisplayShadow; }

void CkelLegend::GetShadowFill(QXLOGBRUSH* brush) const {
    if (brush) *brush = m_shadowFill;
}

std::string CkelLegend::GetTitleText() const { return m_strTitleText; }
bool CkelLegend::GetShowTitle() const { return m_bShowTitle; }

void CkelLegend::GetTitleFont(QXLOGFONT* font) const {
    if (font) *font = m_titleFont;
}

void CkelLegend::GetBorderLine(QXLOGPEN* pen) const {
    if (pen) *pen = m_borderLine;
}

void CkelLegend::GetInnerBorderLine(QXLOGPEN* pen) const {
    if (pen) *pen = m_innerBorderLine;
}

void CkelLegend::GetBorderFill(QXLOGBRUSH* brush) const {
    if (brush) *brush = m_borderFill;
}

void CkelLegend::GetLegendFont(QXLOGFONT* font) const {
    if (font) *font = m_legendFont;
}

double CkelLegend::GetLMarginSpace() const { return m_dLMarginSpace; }
double CkelLegend::GetTMarginSpace() const { return m_dTMarginSpace; }
double CkelLegend::GetIntervalSpace() const { return m_dIntervalSpace; }
double CkelLegend::GetBorderWidth() const { return m_dBorderWidth; }
double CkelLegend::GetBorderHeight() const { return m_dBorderHeight; }
unsigned CkelLegend::GetColNum() const { return m_nColNum; }

void CkelLegend::SetColNum(unsigned count) {
    m_nColNum = count;
    Stamp(this);
}

CkelLegendManager* CkelLegend::GetLegendManager() { return &m_manager; }

// ---- chart ----------------------------------------------------------------------------
CkelChartTitle::CkelChartTitle() = default;
CkelChartTitle::~CkelChartTitle() = default;
void CkelChartTitle::SetText(const std::string& text) { m_strText = text; }
double CkelChartTitle::GetXOffset() const { return m_dXOffset; }
void CkelChartTitle::SetXOffset(const double& offset) { m_dXOffset = offset; }
double CkelChartTitle::GetYOffset() const { return m_dYOffset; }
void CkelChartTitle::SetYOffset(const double& offset) { m_dYOffset = offset; }
void CkelChartTitle::GetLogFont(QXLOGFONT& font) const { font = m_font; }
void CkelChartTitle::SetLogFont(const QXLOGFONT& font) { m_font = font; }

unsigned CkelAxisManager::GetAllAxisNum() const { return static_cast<unsigned>(m_axes.size()); }
IkelAxis* CkelAxisManager::GetAxis(unsigned index) { return index < m_axes.size() ? m_axes[index] : nullptr; }

void CkelAxisManager::AddAxis(IkelAxis* axis) {
    if (axis) m_axes.push_back(axis);
}

IChartGraph::IChartGraph() : m_datasetManager(std::make_shared<CDataSetMgrObj>()) {}
IChartGraph::~IChartGraph() = default;
CDataSetMgrObj* IChartGraph::GetDatasetManagerObj() { return m_datasetManager.get(); }

void IChartGraph::SetDatasetManagerObj(std::shared_ptr<CDataSetMgrObj> manager) {
    m_datasetManager = std::move(manager);
}

void IChartGraph::OnChanged(int) {
    Record("IChartGraph::OnChanged");
    Stamp(this);
}
CkelChartTitle* IChartGraph::GetTitle() { return &m_title; }
CkelAxisManager* IChartGraph::GetAxisManager() { return &m_axisManager; }
