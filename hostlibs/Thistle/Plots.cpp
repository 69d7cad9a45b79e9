// Plots, their labels and fills, legends and charts of the chart library.
#include "hosttypes/Thistle/Plots.h"

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

void CkelPlotLabels::SetIsLabelsInYCol(bool inY) { m_bLabelsInYCol = inY; }

IkelPlotFill::IkelPlotFill() = default;
IkelPlotFill::~IkelPlotFill() = default;
void IkelPlotFill::UpdateFill() { Record("IkelPlotFill::UpdateFill"); }

CkelLinePlotFill::CkelLinePlotFill() = default;
CkelLinePlotFill::~CkelLinePlotFill() = default;

void CkelLinePlotFill::UpdateFill() {
    Record("CkelLinePlotFill::UpdateFill");
    ++m_nUpdates;
}

void CkelLinePlotFill::SetShowFill(bool show) { m_bShowFill = show; }
void CkelLinePlotFill::SetFillDirections(KELFillDirections direction) { m_direction = direction; }
unsigned CkelLinePlotFill::GetUpdateCount() const { return m_nUpdates; }

// ---- plots ----------------------------------------------------------------------------
IkelPlot::IkelPlot() = default;
IkelPlot::~IkelPlot() = default;

void IkelPlot::SetDataset(CkelDataset* dataset) {
    m_pDataset = dataset;
    Stamp(this);
}

void IkelPlot::SetChartGraph(IChartGraph* graph) { m_pChartGraph = graph; }

CkelLineBasePlot::CkelLineBasePlot() : m_labels(this) {}
CkelLineBasePlot::~CkelLineBasePlot() = default;

void CkelLineBasePlot::GetLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_pen;
}

void CkelLineBasePlot::SetLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_pen = *pen;
    Stamp(this);
}

CkelLinePlotFill* CkelLineBasePlot::GetPlotFills() { return &m_fill; }

CkelLinePlot::CkelLinePlot()
    : m_pSymbol(CkelPlotSymbolFactory::GetPlotSymbolFactory()->CreatePlotSymbolStrategy(KEL_SYMBOL_SIMPLE, this)) {}

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

CkelBarPlot::CkelBarPlot() = default;
CkelBarPlot::~CkelBarPlot() = default;
CHistogramPlot::CHistogramPlot() = default;
CHistogramPlot::~CHistogramPlot() = default;

CkelClassificationManager::CkelClassificationManager() = default;
CkelClassificationManager::~CkelClassificationManager() = default;
IkelDataSery* CkelClassificationManager::GetDataSery() const { return m_pDataSery; }
unsigned CkelClassificationManager::GetClassNum() const { return static_cast<unsigned>(m_classes.size()); }

CClassEntity* CkelClassificationManager::GetClassEntity(unsigned i) {
    return i < m_classes.size() ? &m_classes[i] : nullptr;
}

void CkelClassificationManager::AddClass(const CClassEntity& entity) { m_classes.push_back(entity); }

CkelClassPlot::CkelClassPlot() : m_labels(this) {}
CkelClassPlot::~CkelClassPlot() = default;

void CkelClassPlot::SetClassCol(unsigned col) {
    m_nClassCol = col;
    Stamp(this);
}

CkelTernaryPlot::CkelTernaryPlot() : m_labels(this) {}
CkelTernaryPlot::~CkelTernaryPlot() = default;

void CkelTernaryPlot::AddClass(const CClassEntity& entity) {
    m_classes.push_back(entity);
    Stamp(this);
}

CClassEntity* CkelTernaryPlot::GetClass(unsigned i) { return i < m_classes.size() ? &m_classes[i] : nullptr; }

CPiePlot::CPiePlot() { m_labelRange.m_pPlot = this; }
CPiePlot::~CPiePlot() = default;
unsigned CPiePlot::GetPieceCount() const { return static_cast<unsigned>(m_pieces.size()); }
CPiePiece* CPiePlot::GetPiece(unsigned i) { return i < m_pieces.size() ? &m_pieces[i] : nullptr; }

void CPiePlot::AddPiece(const CPiePiece& piece) {
    m_pieces.push_back(piece);
    Stamp(this);
}

CRosePlot::CRosePlot() = default;
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

IChartGraph::IChartGraph() = default;
IChartGraph::~IChartGraph() = default;
CkelChartTitle* IChartGraph::GetTitle() { return &m_title; }
CkelAxisManager* IChartGraph::GetAxisManager() { return &m_axisManager; }
