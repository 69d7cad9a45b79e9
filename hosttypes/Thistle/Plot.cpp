#include "hosttypes/Thistle/Plot.h"

IkelPlot* CkelPlotLabels::GetPlot() const { return m_pPlot; }
void CkelPlotLabels::SetPlot(IkelPlot* plot) { m_pPlot = plot; }
double CkelPlotLabels::GetAngle() const { return m_dAngle; }

void CkelPlotLabels::SetAngle(double angle) {
    m_dAngle = angle;
    Changed();
}

unsigned CkelPlotLabels::GetFirstlabelRow() const { return m_nFirstRow; }

void CkelPlotLabels::SetFirstlabelRow(unsigned row) {
    m_nFirstRow = row;
    Changed();
}

unsigned CkelPlotLabels::GetLastlabelRow() const { return m_nLastRow; }

void CkelPlotLabels::SetLastlabelRow(unsigned row) {
    m_nLastRow = row;
    Changed();
}

unsigned CkelPlotLabels::GetStep() const { return m_nStep; }

void CkelPlotLabels::SetStep(unsigned step) {
    m_nStep = step;
    Changed();
}

void CkelPlotLabels::GetLogFont(QXLOGFONT* font) const {
    if (font) *font = m_font;
}

void CkelPlotLabels::SetLogFont(QXLOGFONT* font) {
    if (!font) return;
    m_font = *font;
    Changed();
}

bool CkelPlotLabels::GetIsShowlabels() const { return m_bShowLabels; }

void CkelPlotLabels::SetIsShowlabels(bool show) {
    m_bShowLabels = show;
    Changed();
}

int CkelPlotLabels::GetLabelsColIndex() const { return m_nColIndex; }

void CkelPlotLabels::SetLabelsColIndex(int index) {
    m_nColIndex = index;
    Changed();
}

double CkelPlotLabels::GetXoffset() const { return m_dXOffset; }

void CkelPlotLabels::SetXoffset(double offset) {
    m_dXOffset = offset;
    Changed();
}

double CkelPlotLabels::GetYoffset() const { return m_dYOffset; }

void CkelPlotLabels::SetYoffset(double offset) {
    m_dYOffset = offset;
    Changed();
}

int CkelPlotLabels::GetHAlignment() const { return m_nHAlign; }

void CkelPlotLabels::SetHAlignment(int align) {
    m_nHAlign = align;
    Changed();
}

int CkelPlotLabels::GetVAlignment() const { return m_nVAlign; }

void CkelPlotLabels::SetVAlignment(int align) {
    m_nVAlign = align;
    Changed();
}

CkelLabelFormat* CkelPlotLabels::GetLabelFormat() { return &m_format; }

CkelDataset* IkelPlot::GetDataset() const { return m_pDataset; }
IChartGraph* IkelPlot::GetChartGraph() const { return m_pChartGraph; }
CkelDataRange* IkelPlot::GetDataRange() { return &m_dataRange; }
std::vector<std::pair<FLOATPOINT, int>>& IkelPlot::GetDataPoints() { return m_dataPoints; }
int IkelPlot::GetCoordSysType() const { return m_nCoordSysType; }

void IkelPlot::GetOutlineStyleWithDrawSelectedMark(QXLOGPEN& pen) {
    pen.style = 997;
    pen.reserved4 = 10;
}

void IkelPlotFill::UpdateForPlot() { UpdateFill(); }

bool CkelLinePlotFill::GetShowFill() const { return m_bShowFill; }
CkelLinePlotFill::KELFillDirections CkelLinePlotFill::GetFillDirections() const { return m_direction; }

IkelPlotCoordSys::~IkelPlotCoordSys() = default;
CkelPlotCoordSysCartesian::~CkelPlotCoordSysCartesian() = default;
CkelPlotCoordSysPolar::~CkelPlotCoordSysPolar() = default;
CkelPlotCoordSysTernary::~CkelPlotCoordSysTernary() = default;
