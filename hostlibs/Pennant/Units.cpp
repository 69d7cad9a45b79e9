// Sand and stratum units and control lines: the library's side of them.
#include "hostlibs/Pennant/CallLog.h"
#include "hosttypes/Pennant/SandUnit.h"
#include "hosttypes/Pennant/SglCtrlLine.h"
#include "hosttypes/Pennant/StratumUnit.h"

using pennant::detail::Log;

namespace Sand {

bool CSandUnitLine::IsVisible() const { return m_bVisible; }
void CSandUnitLine::SetVisible(bool visible) { m_bVisible = visible; }
QXLOGPEN CSandUnitLine::GetPen() const { return m_pen; }
void CSandUnitLine::SetPen(const QXLOGPEN& pen) { m_pen = pen; }

void CSandUnit::SetOilCode(const std::string& code) {
    m_strOilCode = code;
    Log("CSandUnit::SetOilCode(" + code + ")");
}
void CSandUnit::SetVisible(bool visible) {
    m_bVisible = visible;
    Log(std::string("CSandUnit::SetVisible(") + (visible ? "1)" : "0)"));
}
bool CSandUnit::IsVisible() const { return m_bVisible; }
void CSandUnit::SetSandLineVisible(bool visible) {
    Log(std::string("CSandUnit::SetSandLineVisible(") + (visible ? "1)" : "0)"));
    if (m_topLine) m_topLine->SetVisible(visible);
    if (m_bottomLine) m_bottomLine->SetVisible(visible);
}
void CSandUnit::SetSandLinePen(const QXLOGPEN& pen) {
    Log("CSandUnit::SetSandLinePen");
    if (m_topLine) m_topLine->SetPen(pen);
    if (m_bottomLine) m_bottomLine->SetPen(pen);
}
void CSandUnit::SetConnection(bool connected) { m_bConnection = connected; }
void CSandUnit::SetSandLines(boost::shared_ptr<CSandUnitLine> top, boost::shared_ptr<CSandUnitLine> bottom) {
    m_topLine = top;
    m_bottomLine = bottom;
}

void CSandUnitFill::SetFill(CQXObjectFill* fill) { m_pFill = fill; }
void CSandUnitFill::SetSandUnit(CSandUnit* unit) { m_pUnit = unit; }

}  // namespace Sand

namespace Stratum {

void CStratumUnit::SetLinePen(QXLOGPEN pen) {
    m_linePen = pen;
    Log("CStratumUnit::SetLinePen");
}
void CStratumUnit::SetFillBrush(QXLOGBRUSH brush) {
    m_fillBrush = brush;
    Log("CStratumUnit::SetFillBrush");
}

}  // namespace Stratum

namespace ControlLine {

void CSglCtrlLine::SetLine(CQXObjectLine* line) { m_pLine = line; }
void CSglCtrlLine::SetOwner(CSingleWellSection* section) { m_pOwner = section; }
QXLOGPEN CSglCtrlLine::GetLogPen() const { return m_pen; }
void CSglCtrlLine::SetLogPen(const QXLOGPEN& pen) {
    m_pen = pen;
    Log("CSglCtrlLine::SetLogPen");
}

unsigned int CSglCtrllLineManager::GetNum() const { return static_cast<unsigned int>(m_lines.size()); }
boost::shared_ptr<CSglCtrlLine> CSglCtrllLineManager::GetObj(unsigned int i) const {
    return i < m_lines.size() ? m_lines[i] : boost::shared_ptr<CSglCtrlLine>();
}
void CSglCtrllLineManager::AddObj(boost::shared_ptr<CSglCtrlLine> line) {
    if (line) m_lines.push_back(line);
}

}  // namespace ControlLine
