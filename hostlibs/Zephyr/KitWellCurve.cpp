// Kit-library operations of the well column and the curves: the plot's depth range, the layering
// units and extensions, the curves' settings and their horizontal fills, and the well data's
// layering and curve names. Setters log themselves with their kit and renew its stamp.
#include <stdexcept>

#include "hostlibs/Zephyr/KitStore.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpWell.h"

using zephyr::detail::Arg;
using zephyr::detail::Record;
using zephyr::detail::Stamp;
using zephyr::detail::Store;

// ---- depth range of the plot --------------------------------------------------------------------
float CWpKit::GetTopDepth() { return m_fTopDepth; }
void CWpKit::SetTopDepth(float depth) { Store(this, m_fTopDepth, depth, "CWpKit::SetTopDepth"); }
float CWpKit::GetBottomDepth() { return m_fBottomDepth; }
void CWpKit::SetBottomDepth(float depth) { Store(this, m_fBottomDepth, depth, "CWpKit::SetBottomDepth"); }
float CWpKit::GetSandThick() { return m_fSandThick; }
void CWpKit::SetSandThick(float thick) { Store(this, m_fSandThick, thick, "CWpKit::SetSandThick"); }
float CWpKit::GetShaleThick() { return m_fShaleThick; }
void CWpKit::SetShaleThick(float thick) { Store(this, m_fShaleThick, thick, "CWpKit::SetShaleThick"); }
int CWpKit::GetAutoDepth() { return m_nAutoDepth; }
void CWpKit::SetAutoDepth(int automatic) { Store(this, m_nAutoDepth, automatic, "CWpKit::SetAutoDepth"); }

// ---- well: range by layering --------------------------------------------------------------------
float CWpWell::GetTopExtendDepth() { return m_fTopExtendDepth; }
void CWpWell::SetTopExtendDepth(float depth) {
    Store(this, m_fTopExtendDepth, depth, "CWpWell::SetTopExtendDepth");
}
float CWpWell::GetBotExtendDepth() { return m_fBotExtendDepth; }
void CWpWell::SetBotExtendDepth(float depth) {
    Store(this, m_fBotExtendDepth, depth, "CWpWell::SetBotExtendDepth");
}
int CWpWell::GetUnitClass() { return m_nUnitClass; }
void CWpWell::SetUnitClass(int level) { Store(this, m_nUnitClass, level, "CWpWell::SetUnitClass"); }
CString CWpWell::GetTopUnit() { return m_strTopUnit; }
void CWpWell::SetTopUnit(CString name) { Store(this, m_strTopUnit, name, "CWpWell::SetTopUnit"); }
CString CWpWell::GetBottomUnit() { return m_strBottomUnit; }
void CWpWell::SetBottomUnit(CString name) { Store(this, m_strBottomUnit, name, "CWpWell::SetBottomUnit"); }
bool CWpWell::WellExist() { return m_pDataMgr != nullptr; }

void CWpWell::SwitchData(CString wellName) {
    SetName(wellName);
    Record("CWpWell::SwitchData", this, Arg(wellName));
    Stamp(this);
}

void CWpWell::ComputeValidTopAndBottom() { Record("CWpWell::ComputeValidTopAndBottom", this); }

// ---- well data: layering and curve names ----------------------------------------------------------
int LogStratumDIO::FindUnit(double depth) const {
    for (std::size_t i = 0; i < m_units.size(); ++i)
        if (m_units[i].top <= depth && depth <= m_units[i].top + m_units[i].thickness) return static_cast<int>(i);
    return -1;
}

int LogStratumDIO::FindUnit(const CString& name) const {
    for (std::size_t i = 0; i < m_units.size(); ++i)
        if (m_units[i].name == name) return static_cast<int>(i);
    return -1;
}

namespace {
template <class Value>
Value UnitField(const std::vector<LOGSTRATUMUNIT>& units, int i, Value LOGSTRATUMUNIT::*field, Value outside) {
    return i >= 0 && i < static_cast<int>(units.size()) ? units[static_cast<std::size_t>(i)].*field : outside;
}
}  // namespace

CString LogStratumDIO::GetUnitName(int i) const { return UnitField(m_units, i, &LOGSTRATUMUNIT::name, CString()); }
double LogStratumDIO::GetUnitTop(int i) const { return UnitField(m_units, i, &LOGSTRATUMUNIT::top, 0.0); }
double LogStratumDIO::GetUnitThickness(int i) const {
    return UnitField(m_units, i, &LOGSTRATUMUNIT::thickness, 0.0);
}
int LogStratumDIO::GetParentIndex(int i) const { return UnitField(m_units, i, &LOGSTRATUMUNIT::parent, -1); }
CString LogStratumDIO::GetParentName(int i) const {
    return UnitField(m_units, i, &LOGSTRATUMUNIT::parentName, CString());
}
int LogStratumDIO::GetFirstSubUnit(int j) const { return UnitField(m_units, j, &LOGSTRATUMUNIT::firstSub, -1); }
int LogStratumDIO::GetLastSubUnit(int j) const { return UnitField(m_units, j, &LOGSTRATUMUNIT::lastSub, -1); }

int WDMgrIO::GetCurveCount() { return static_cast<int>(m_curveNames.size()); }
CString WDMgrIO::GetCurveName(int i) {
    return i >= 0 && i < GetCurveCount() ? m_curveNames[static_cast<std::size_t>(i)] : CString();
}
void WDMgrIO::AddCurveName(CString name) { m_curveNames.push_back(name); }

// ---- content line ---------------------------------------------------------------------------------
QXLOGPEN CWpContent::GetPen() { return m_pen; }
void CWpContent::SetPen(const QXLOGPEN& pen) { Store(this, m_pen, pen, "CWpContent::SetPen"); }

// ---- curve settings -------------------------------------------------------------------------------
int CWpCurve::GetSource() { return m_nSource; }
void CWpCurve::SetSource(int source) { Store(this, m_nSource, source, "CWpCurve::SetSource"); }
CString CWpCurve::GetTable() { return m_strTable; }
void CWpCurve::SetTable(CString table) { Store(this, m_strTable, table, "CWpCurve::SetTable"); }
CWpCurve::CURVETYPE CWpCurve::GetType() { return m_type; }
void CWpCurve::SetType(CURVETYPE type) {
    m_type = type;
    Record("CWpCurve::SetType", this, Arg(static_cast<int>(type)));
    Stamp(this);
}
int CWpCurve::GetUntScope() { return m_nUntScope; }
void CWpCurve::SetUntScope(int scope) { Store(this, m_nUntScope, scope, "CWpCurve::SetUntScope"); }
int CWpCurve::GetLmtScope() { return m_nLmtScope; }
void CWpCurve::SetLmtScope(int scope) { Store(this, m_nLmtScope, scope, "CWpCurve::SetLmtScope"); }
CString CWpCurve::GetUnitText() { return m_strUnitText; }
void CWpCurve::SetUnitText(CString text) { Store(this, m_strUnitText, text, "CWpCurve::SetUnitText"); }
int CWpCurve::IsShowUnit() { return m_nShowUnit; }
void CWpCurve::ShowUnit(bool show) { Store(this, m_nShowUnit, show ? 1 : 0, "CWpCurve::ShowUnit"); }
int CWpCurve::GetUnitAlign() { return m_nUnitAlign; }
void CWpCurve::SetUnitAlign(int align) { Store(this, m_nUnitAlign, align, "CWpCurve::SetUnitAlign"); }
QXLOGFONT CWpCurve::GetUnitFont() { return m_unitFont; }
void CWpCurve::SetUnitFont(const QXLOGFONT& font) { Store(this, m_unitFont, font, "CWpCurve::SetUnitFont"); }
CWpCurve::ScaleShowWays CWpCurve::IsShowLimit() { return m_showLimit; }
void CWpCurve::ShowLimit(ScaleShowWays show) {
    m_showLimit = show;
    Record("CWpCurve::ShowLimit", this, Arg(static_cast<int>(show)));
    Stamp(this);
}
int CWpCurve::GetLimitAlign() { return m_nLimitAlign; }
void CWpCurve::SetLimitAlign(int align) { Store(this, m_nLimitAlign, align, "CWpCurve::SetLimitAlign"); }
int CWpCurve::IsLogScale() { return m_nLogScale; }
void CWpCurve::LogScale(bool log) { Store(this, m_nLogScale, log ? 1 : 0, "CWpCurve::LogScale"); }
int CWpCurve::GetValueRangeType() { return m_nValueRangeType; }
void CWpCurve::SetValueRangeType(int type) {
    Store(this, m_nValueRangeType, type, "CWpCurve::SetValueRangeType");
}
float CWpCurve::GetLeft() { return m_fLeft; }
void CWpCurve::SetLeft(float left, int) { Store(this, m_fLeft, left, "CWpCurve::SetLeft"); }
float CWpCurve::GetRight() { return m_fRight; }
void CWpCurve::SetRight(float right, int) { Store(this, m_fRight, right, "CWpCurve::SetRight"); }
bool CWpCurve::IsLeftAlignText() { return m_bLeftAlignText; }
void CWpCurve::SetLeftAlignText(bool leftToRight) {
    Store(this, m_bLeftAlignText, leftToRight, "CWpCurve::SetLeftAlignText");
}
int CWpCurve::IsShowScale() { return m_nShowScale; }
void CWpCurve::ShowScale(bool show) { Store(this, m_nShowScale, show ? 1 : 0, "CWpCurve::ShowScale"); }
float CWpCurve::GetMultiples() { return m_fMultiples; }
void CWpCurve::SetMultiples(float multiples) { Store(this, m_fMultiples, multiples, "CWpCurve::SetMultiples"); }
QXLOGFONT CWpCurve::GetLimitFont() { return m_limitFont; }
void CWpCurve::SetLimitFont(const QXLOGFONT& font) { Store(this, m_limitFont, font, "CWpCurve::SetLimitFont"); }
QXLOGPEN CWpCurve::GetPenCur2() { return m_penCur2; }
void CWpCurve::SetPenCur2(const QXLOGPEN& pen) { Store(this, m_penCur2, pen, "CWpCurve::SetPenCur2"); }
QXLOGPOINT CWpCurve::GetPoint() { return m_point; }
void CWpCurve::SetPoint(const QXLOGPOINT& point) { Store(this, m_point, point, "CWpCurve::SetPoint"); }
QXLOGPOINT CWpCurve::GetPoint2() { return m_point2; }
void CWpCurve::SetPoint2(const QXLOGPOINT& point) { Store(this, m_point2, point, "CWpCurve::SetPoint2"); }
int CWpCurve::GetScanted() { return m_nScanted; }
void CWpCurve::SetScanted(int interval) { Store(this, m_nScanted, interval, "CWpCurve::SetScanted"); }
QXLOGPEN CWpCurve::GetPen2() { return m_pen2; }
void CWpCurve::SetPen2(const QXLOGPEN& pen) { Store(this, m_pen2, pen, "CWpCurve::SetPen2"); }
float CWpCurve::GetFrequency() { return m_fFrequency; }
void CWpCurve::SetFrequency(float step) { Store(this, m_fFrequency, step, "CWpCurve::SetFrequency"); }
bool CWpCurve::IsFlagLineShow() { return m_bFlagLineShow; }
void CWpCurve::SetFlagLineShow(bool show) { Store(this, m_bFlagLineShow, show, "CWpCurve::SetFlagLineShow"); }
float CWpCurve::GetFlagLineValue() { return m_fFlagLineValue; }
void CWpCurve::SetFlagLineValue(float value) {
    Store(this, m_fFlagLineValue, value, "CWpCurve::SetFlagLineValue");
}
QXLOGPEN CWpCurve::GetFlagLinePen() { return m_flagLinePen; }
void CWpCurve::SetFlagLinePen(const QXLOGPEN& pen) {
    Store(this, m_flagLinePen, pen, "CWpCurve::SetFlagLinePen");
}

// The stand-in's curves carry no samples to take a range from.
void CWpCurve::UpdateRightLeftValue() { Record("CWpCurve::UpdateRightLeftValue", this); }

void CWpCurve::InitData(CString name, int) {
    SetName(name);
    Record("CWpCurve::InitData", this, Arg(name));
    Stamp(this);
}

CWpCurve* CWpCurve::FindCurve(CString title, int) {
    Record("CWpCurve::FindCurve", this, Arg(title));
    CWpKit* track = GetParent();
    for (int i = 0; track && i < track->ChildrenCount(); ++i) {
        CWpKit* kit = track->GetChild(i);
        if (kit != this && kit && kit->IsKindOf(RUNTIME_CLASS(CWpCurve)) && kit->GetTitleText() == title)
            return static_cast<CWpCurve*>(kit);
    }
    return nullptr;
}

// ---- fills ----------------------------------------------------------------------------------------
int CWpCurve::FillCount() { return static_cast<int>(m_fills.size()); }
int CWpCurve::FillAt() { return m_nFillAt; }

CWpCurve::tagCVEFILL& CWpCurve::FillAt(int index) {
    if (index < 0 || index >= FillCount()) throw std::out_of_range("CWpCurve::FillAt");
    return m_fills[static_cast<std::size_t>(index)];
}

void CWpCurve::Operation(int code) {
    Record("CWpCurve::Operation", this, Arg(code));
    const bool current = m_nFillAt >= 1 && m_nFillAt <= FillCount();
    switch (code) {
    case 0:
        if (FillCount() >= kMaxFills) return;
        m_fills.emplace_back();
        m_nFillAt = FillCount();
        break;
    case 1:
    case 2:
        if (!current) return;
        m_fills[static_cast<std::size_t>(m_nFillAt - 1)].shown = code == 1 ? 1 : 0;
        break;
    case 3:
        if (!current) return;
        m_fills.erase(m_fills.begin() + (m_nFillAt - 1));
        m_nFillAt = 0;
        break;
    case 4:
    case 5:
        for (tagCVEFILL& fill : m_fills) fill.shown = code == 4 ? 1 : 0;
        break;
    case 6:
        m_fills.clear();
        m_nFillAt = 0;
        break;
    default:
        if (code - 7 < 1 || code - 7 > FillCount()) return;
        m_nFillAt = code - 7;
        break;
    }
    Stamp(this);
}
