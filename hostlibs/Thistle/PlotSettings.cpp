// The settings the plot pages edit: a plot's outer dataset, axes and columns; bar series with
// their pens, fills and labels; bar layout; histogram binning; rose, pie and ternary settings;
// class-plot symbols; line step reverse and the fill's automatic cutoff. Every setter that changes
// a value stamps its plot.
#include <algorithm>

#include "hostlibs/Thistle/ThistleTesting.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/PiePlot.h"
#include "hosttypes/Thistle/Plots.h"

using thistle::detail::Record;
using thistle::detail::Stamp;

namespace {
// Stores value into field and stamps the object when it changed.
template <class T>
void Change(CQXObject* object, T& field, const T& value) {
    if (field == value) return;
    field = value;
    if (object) Stamp(object);
}

// Style records: stored and stamped whenever set.
template <class T>
void Store(CQXObject* object, T& field, const T& value) {
    field = value;
    if (object) Stamp(object);
}
}  // namespace

// ---- datasets and the axis manager -------------------------------------------------------------
int CkelDataset::GetDataSeriesIndex(IkelDataSery* sery) {
    for (size_t i = 0; i < m_series.size(); ++i)
        if (sery && m_series[i].get() == sery) return static_cast<int>(i);
    return -1;
}

IkelAxis* CkelAxisManager::GetAxis(const std::string& name) {
    for (IkelAxis* axis : m_axes)
        if (axis && std::string(axis->GetName()) == name) return axis;
    return nullptr;
}

void IkelAxis::SetNumsOfPlots(unsigned count) { m_nPlots = count; }

void IChartGraph::SetChartGraphType(KELChartGraphType type) { Change<KELChartGraphType>(this, m_graphType, type); }

// ---- outer dataset, axes and columns -------------------------------------------------------------
CkelDataset* IkelPlot::GetOuterDataset() const { return m_pDataset; }
IkelAxis* IkelPlot::GetAxis1() const { return m_pAxis1; }
IkelAxis* IkelPlot::GetAxis2() const { return m_pAxis2; }
IkelAxis* IkelPlot::GetAxis3() const { return m_pAxis3; }

void IkelPlot::Attach(IkelAxis*& slot, IkelAxis* axis) {
    if (!axis || slot == axis) return;
    if (slot && slot->GetNumsOfPlots() > 0) slot->SetNumsOfPlots(slot->GetNumsOfPlots() - 1);
    axis->SetNumsOfPlots(axis->GetNumsOfPlots() + 1);
    slot = axis;
    Stamp(this);
}

void IkelPlot::AttachXAxis(IkelAxis* axis) {
    Record("IkelPlot::AttachXAxis");
    Attach(m_pAxis1, axis);
}

void IkelPlot::AttachYAxis(IkelAxis* axis) {
    Record("IkelPlot::AttachYAxis");
    Attach(m_pAxis2, axis);
}

void IkelPlot::SetAxis3(IkelAxis* axis) { Attach(m_pAxis3, axis); }

int IkelPlot::GetAxis1ColumnIndex() const { return m_nAxisColumns[0]; }
int IkelPlot::GetAxis2ColumnIndex() const { return m_nAxisColumns[1]; }
int IkelPlot::GetAxis3ColumnIndex() const { return m_nAxisColumns[2]; }

bool IkelPlot::SetColumnIndex(int slot, int index) {
    if (index < 0 || !m_pDataset || !m_pDataset->GetDataSeries(static_cast<unsigned>(index))) return false;
    Change(this, m_nAxisColumns[slot], index);
    return true;
}

bool IkelPlot::SetAxis1ColumnIndex(int index) { return SetColumnIndex(0, index); }
bool IkelPlot::SetAxis2ColumnIndex(int index) { return SetColumnIndex(1, index); }
bool IkelPlot::SetAxis3ColumnIndex(int index) { return SetColumnIndex(2, index); }

namespace {
IkelDataSery* SeriesAt(CkelDataset* dataset, int column) {
    return dataset && column >= 0 ? dataset->GetDataSeries(static_cast<unsigned>(column)) : nullptr;
}
}  // namespace

IkelDataSery* IkelPlot::GetColumn1() const { return SeriesAt(m_pDataset, m_nAxisColumns[0]); }
IkelDataSery* IkelPlot::GetColumn2() const { return SeriesAt(m_pDataset, m_nAxisColumns[1]); }

// ---- line plots ----------------------------------------------------------------------------------------
bool CkelLinePlot::GetIsLineStepModeReverse() const { return m_bStepReverse; }
void CkelLinePlot::SetIsLineStepModeReverse(bool reverse) { Change(this, m_bStepReverse, reverse); }

double CkelLinePlotFill::GetAutoCutoffValue() const { return m_dAutoCutoffValue; }
void CkelLinePlotFill::SetAutoCutoffValue(double value) { m_dAutoCutoffValue = value; }

// ---- bar series ------------------------------------------------------------------------------------------
CBarFillSery::CBarFillSery(const std::string& name, int column, IkelPlot* plot)
    : m_strName(name), m_nColIndex(column), m_pPlot(plot), m_labels(plot) {}

// The series is the one of the labels' bar plot that holds them: a series copied, moved or sorted
// within its group, or into a copied plot (whose group points its series at the copy), is found
// where it is now.
CBarFillSery* CkelPlotLabels::GetBarSery() const {
    auto* bars = dynamic_cast<CkelBarBasePlot*>(m_pPlot);
    CBarFillSeryGrp* group = bars ? bars->GetFillSeryGroup() : nullptr;
    for (unsigned i = 0; group && i < group->GetSeryNums(); ++i)
        if (CBarFillSery* sery = group->GetFillSery(i); sery->GetLabels() == this) return sery;
    return nullptr;
}

void CBarFillSery::SetPlot(IkelPlot* plot) {
    m_pPlot = plot;
    m_labels.SetPlot(plot);
}

void CBarFillSery::GetLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_pen;
}

void CBarFillSery::SetLogPen(QXLOGPEN* pen) {
    if (pen) Store<QXLOGPEN>(m_pPlot, m_pen, *pen);
}

bool CBarFillSery::GetIsShowFill() const { return m_bShowFill; }
void CBarFillSery::SetIsShowFill(bool show) { Change(m_pPlot, m_bShowFill, show); }

void CBarFillSery::GetLogBrush(QXLOGBRUSH* brush) const {
    if (brush) *brush = m_brush;
}

void CBarFillSery::SetLogBrush(QXLOGBRUSH* brush) {
    if (brush) Store<QXLOGBRUSH>(m_pPlot, m_brush, *brush);
}

std::string CBarFillSery::GetFillStyleSet() const { return m_strFillStyleSet; }
void CBarFillSery::SetFillStyleSet(const std::string& name) { Change(m_pPlot, m_strFillStyleSet, name); }
CkelPlotLabels* CBarFillSery::GetLabels() { return m_bHasLabels ? &m_labels : nullptr; }

void CBarFillSeryGrp::SetPlot(CkelBarBasePlot* plot) {
    m_pPlot = plot;
    for (CBarFillSery& sery : m_series) sery.SetPlot(plot);
}

int CBarFillSeryGrp::GetIndexByName(const std::string& name) const {
    for (size_t i = 0; i < m_series.size(); ++i)
        if (m_series[i].GetSeryName() == name) return static_cast<int>(i);
    return -1;
}

CBarFillSery* CBarFillSeryGrp::GetCurSelFillSery() {
    return m_nCurSel >= 0 ? GetFillSery(static_cast<unsigned>(m_nCurSel)) : nullptr;
}

int CBarFillSeryGrp::GetCurSelIndex() const { return m_nCurSel; }

void CBarFillSeryGrp::SetCurSelIndex(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_series.size()) return;
    Change<int>(m_pPlot, m_nCurSel, index);
}

// ---- bar plots ---------------------------------------------------------------------------------------------
void CkelBarBasePlot::AttachXAxis(IkelAxis* axis) {
    IkelPlot::AttachXAxis(axis);
    if (axis) m_pBaseAxis = axis;
}

void CkelBarBasePlot::AttachYAxis(IkelAxis* axis) {
    IkelPlot::AttachYAxis(axis);
    if (axis) m_pParallelAxis = axis;
}

void CkelBarPlot::SetStackMethod(bool stack) { Change(this, m_bStack, stack); }
void CkelBarPlot::SetOverLapPer(double overlap) { Change(this, m_dOverLapPer, overlap); }
void CkelBarPlot::SetIsTransfer(bool transfer) { Change(this, m_bTransfer, transfer); }
bool CkelBarPlot::GetIsHorizontal() const { return m_bHorizontal; }
void CkelBarPlot::SetIsHorizontal(bool horizontal) { Change(this, m_bHorizontal, horizontal); }

int CHistogramPlot::GetDataCol() const { return m_nDataCol; }
void CHistogramPlot::SetDataCol(int col) { Change(this, m_nDataCol, col); }
double CHistogramPlot::GetLeftValue() const { return m_dLeftValue; }
void CHistogramPlot::SetLeftValue(double value) { Change(this, m_dLeftValue, value); }
double CHistogramPlot::GetRightValue() const { return m_dRightValue; }
void CHistogramPlot::SetRightValue(double value) { Change(this, m_dRightValue, value); }
int CHistogramPlot::GetZoneCount() const { return m_nZoneCount; }
void CHistogramPlot::SetZoneCount(int count) { Change(this, m_nZoneCount, count); }
bool CHistogramPlot::GetIsFrequency() const { return m_bFrequency; }
void CHistogramPlot::SetIsFrequency(bool frequency) { Change(this, m_bFrequency, frequency); }

// ---- class and ternary plots ---------------------------------------------------------------------------------
bool CkelClassPlot::GetIsShowSymbol() const { return m_bShowSymbol; }
void CkelClassPlot::SetIsShowSymbol(bool show) { Change(this, m_bShowSymbol, show); }
bool CkelClassPlot::GetIsUniSetSymbol() const { return m_bUniSymbol; }
void CkelClassPlot::SetIsUniSetSymbol(bool uniform) { Change(this, m_bUniSymbol, uniform); }

void CkelClassPlot::GetUniSymbol(QXLOGPOINT* symbol) const {
    if (symbol) *symbol = m_uniSymbol;
}

void CkelClassPlot::SetUniSymbol(QXLOGPOINT* symbol) {
    if (symbol) Store<QXLOGPOINT>(this, m_uniSymbol, *symbol);
}

bool CkelTernaryPlot::SetAxis1ColumnIndex(int index) {
    if (!IkelPlot::SetAxis1ColumnIndex(index)) return false;
    m_nXCol = index;
    return true;
}

bool CkelTernaryPlot::SetAxis2ColumnIndex(int index) {
    if (!IkelPlot::SetAxis2ColumnIndex(index)) return false;
    m_nYCol = index;
    return true;
}

bool CkelTernaryPlot::SetAxis3ColumnIndex(int index) {
    if (!IkelPlot::SetAxis3ColumnIndex(index)) return false;
    m_nZCol = index;
    return true;
}

// ---- rose diagrams ---------------------------------------------------------------------------------------------
int CRosePlot::GetDataCol() const { return m_nDataCol; }
void CRosePlot::SetDataCol(int col) { Change(this, m_nDataCol, col); }
int CRosePlot::GetCountCol() const { return m_nCountCol; }
void CRosePlot::SetCountCol(int col) { Change(this, m_nCountCol, col); }
double CRosePlot::GetAngleSpacing() const { return m_dAngleSpacing; }
void CRosePlot::SetAngleSpacing(double angle) { Change(this, m_dAngleSpacing, angle); }
double CRosePlot::GetRoseType() const { return static_cast<double>(m_type); }
void CRosePlot::SetRoseType(ROSETYPE type) { Change(this, m_type, type); }

void CRosePlot::GetLogPen(QXLOGPEN* pen) const {
    if (pen) *pen = m_pen;
}

void CRosePlot::SetLogPen(QXLOGPEN* pen) {
    if (pen) Store<QXLOGPEN>(this, m_pen, *pen);
}

bool CRosePlot::GetIsShowFill() const { return m_bShowFill; }
void CRosePlot::SetIsShowFill(bool show) { Change(this, m_bShowFill, show); }

void CRosePlot::GetLogBrush(QXLOGBRUSH* brush) const {
    if (brush) *brush = m_brush;
}

void CRosePlot::SetLogBrush(QXLOGBRUSH* brush) {
    if (brush) Store<QXLOGBRUSH>(this, m_brush, *brush);
}

std::string CRosePlot::GetFillStyleSet() const { return m_strFillStyleSet; }
void CRosePlot::SetFillStyleSet(const std::string& name) { Change(this, m_strFillStyleSet, name); }

// ---- pie plots -----------------------------------------------------------------------------------------------------
std::string CPiePiece::GetFillStyleSet() const { return m_strFillStyleSet; }
void CPiePiece::SetFillStyleSet(const std::string& name) { m_strFillStyleSet = name; }

int CPiePlot::GetDataCol() const { return m_nDataCol; }
void CPiePlot::SetDataCol(int col) { Change(this, m_nDataCol, col); }
double CPiePlot::GetStartAngle() const { return m_dStartAngle; }
void CPiePlot::SetStartAngle(double angle) { Change(this, m_dStartAngle, angle); }
double CPiePlot::GetSplitDist() const { return m_dSplitDist; }
void CPiePlot::SetSplitDist(double distance) { Change(this, m_dSplitDist, distance); }
bool CPiePlot::GetIsShowlabels() const { return m_bShowLabels; }
void CPiePlot::SetIsShowLabels(bool show) { Change(this, m_bShowLabels, show); }
int CPiePlot::GetLabelCol() const { return m_nLabelCol; }
void CPiePlot::SetLabelCol(int col) { Change(this, m_nLabelCol, col); }
bool CPiePlot::GetIsLabelsInner() const { return m_bLabelsInner; }
void CPiePlot::SetIsLabelsInner(bool inner) { Change(this, m_bLabelsInner, inner); }
bool CPiePlot::GetIsShowPosLine() const { return m_bShowPosLine; }
void CPiePlot::SetIsShowPosLine(bool show) { Change(this, m_bShowPosLine, show); }
CPiePlot::CLabelRange* CPiePlot::GetLabel() { return &m_labelRange; }

void CPiePlot::CaculateLabelIndex() {
    Record("CPiePlot::CaculateLabelIndex");
    m_labelIndices.clear();
    const unsigned rows = m_pDataset ? m_pDataset->GetRows() : 0;
    const unsigned step = std::max(1u, m_labelRange.m_nStep);
    const unsigned last = std::min(m_labelRange.m_nLastRow, rows > 0 ? rows - 1 : 0);
    for (unsigned row = m_labelRange.m_nFirstRow; rows > 0 && row <= last; row += step) {
        m_labelIndices.push_back(row);
        if (last - row < step) break;
    }
    Stamp(this);
}

const std::vector<unsigned>& CPiePlot::GetLabelIndices() const { return m_labelIndices; }

int CPiePlot::GetPieceIndexByName(const std::string& name) const {
    for (size_t i = 0; i < m_pieces.size(); ++i)
        if (m_pieces[i].GetLabelStr() == name) return static_cast<int>(i);
    return -1;
}

CPiePiece* CPiePlot::GetCurSelPiece() {
    return m_nCurSelPiece >= 0 ? GetPiece(static_cast<unsigned>(m_nCurSelPiece)) : nullptr;
}

void CPiePlot::SetCurSelPiece(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_pieces.size()) return;
    Change(this, m_nCurSelPiece, index);
}
