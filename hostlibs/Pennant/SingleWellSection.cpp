// The single-well section, its well and its display settings: the library's side of them.
#include "hosttypes/Pennant/SingleWellSection.h"

#include <algorithm>

#include "hostlibs/Pennant/CallLog.h"
#include "hosttypes/Pennant/SandUnit.h"
#include "hosttypes/Pennant/SglCtrlLine.h"
#include "hosttypes/Pennant/SglWellAdapter.h"
#include "hosttypes/Pennant/StratumUnit.h"

using pennant::detail::Log;

// ---- section ----
CSingleWellSection::CSingleWellSection(CQXLayer* layer)
    : CQXObject(layer),
      m_pWell(nullptr),
      m_wellPathStyle(WELLPATH_STRAIGHT),
      m_bCurve(false),
      m_ctrlLineMgr(new ControlLine::CSglCtrllLineManager),
      m_stratumMgr(new Stratum::CStratumUnitMgrVector),
      m_sandMgr(new Sand::CSandUnitMgrVector),
      m_well(new CSglWellAdapter),
      m_pProperty(new CSingleProperty),
      m_bSameWorkArea(true) {
    m_strObjName = "CSingleWellSection";
    m_pWell = m_well.get();
    m_pWell->SetSingle(this);
    m_stratumMgr->SetSingle(this);
    m_sandMgr->SetSingle(this);
}
CSingleWellSection::~CSingleWellSection() = default;

bool CSingleWellSection::IsSameWorkArea() const { return m_bSameWorkArea; }
void CSingleWellSection::SetSameWorkArea(bool same) { m_bSameWorkArea = same; }
void CSingleWellSection::SetTemplate(const std::string& path) {
    m_pProperty->m_strTemplatePath = path;
    Log("CSingleWellSection::SetTemplate(" + path + ")");
}
void CSingleWellSection::UpdateStratumSand() { Log("CSingleWellSection::UpdateStratumSand"); }
void CSingleWellSection::SetXScale(double scale) {
    m_pProperty->m_dXScale = scale;
    Log("CSingleWellSection::SetXScale(" + std::to_string(scale) + ")");
}
void CSingleWellSection::SetYScale(double scale) {
    m_pProperty->m_dYScale = scale;
    Log("CSingleWellSection::SetYScale(" + std::to_string(scale) + ")");
}
void CSingleWellSection::UpdateWnd() { Log("CSingleWellSection::UpdateWnd"); }
void CSingleWellSection::SetCurve(bool curve) { m_bCurve = curve; }

std::vector<ScObjInterface*> CSglControlerClient::GetActiveObj() const { return m_activeObjs; }
void CSglControlerClient::SetActiveObj(const std::vector<ScObjInterface*>& objs) { m_activeObjs = objs; }

// ---- display settings ----
namespace {
auto FindStratum(std::vector<CSingleProperty::STRATUMINFO>& list, const std::string& name) {
    return std::find_if(list.begin(), list.end(), [&](const CSingleProperty::STRATUMINFO& e) {
        return e.name == name && e.name != kStratumListEnd;
    });
}
}  // namespace

bool CSingleProperty::GetStratumUnitInfo(const std::string& name, BYTE& flags) const {
    auto& list = const_cast<std::vector<STRATUMINFO>&>(m_stratumList);
    auto it = FindStratum(list, name);
    if (it == list.end()) return false;
    flags = it->flags;
    return true;
}
void CSingleProperty::SetStratumUnitInfo(const std::string& name, BYTE flags) {
    Log("CSingleProperty::SetStratumUnitInfo(" + name + "," + std::to_string(flags) + ")");
    auto it = FindStratum(m_stratumList, name);
    if (it != m_stratumList.end()) it->flags = flags;
}
void CSingleProperty::GetStratumInfoVec(std::vector<STRATUMINFO>& list) const { list = m_stratumList; }
void CSingleProperty::AddStratum(const std::string& name, BYTE flags) {
    auto end = std::find_if(m_stratumList.begin(), m_stratumList.end(),
                            [](const STRATUMINFO& e) { return e.name == kStratumListEnd; });
    m_stratumList.insert(end, STRATUMINFO{name, flags});
}

// ---- well ----
CSglWellAdapter::CSglWellAdapter()
    : m_dTopDep(0.0),
      m_dBottomDep(0.0),
      m_dTopExtendDep(0.0),
      m_dBottomExtendDep(0.0),
      m_pStratumAdapter(nullptr),
      m_pSandAdapter(nullptr),
      m_pLapJoint(nullptr),
      m_lapJointType(LAPJOINT_TRACK_CENTRE),
      m_depthDataType(DEPTHDATA_MEASURED),
      m_rangeType(DEPTHTYPE_BY_DEPTH),
      m_bEditTemplate(false),
      m_dZoomFactor(1.0),
      m_pSingle(nullptr),
      m_dWidth(0.0) {
    m_strObjName = "CSglWellAdapter";
}
CSglWellAdapter::~CSglWellAdapter() = default;

std::string CSglWellAdapter::GetWellName() const { return m_strWellName; }
double CSglWellAdapter::GetWidth() const { return m_dWidth; }
void CSglWellAdapter::SetWidth(double width) {
    m_dWidth = width;
    Log("CSglWellAdapter::SetWidth(" + std::to_string(width) + ")");
}
void CSglWellAdapter::SetTemplate(const std::string& path, bool reload) {
    m_strTemplatePath = path;
    Log("CSglWellAdapter::SetTemplate(" + path + (reload ? ",1)" : ",0)"));
}
void CSglWellAdapter::SetTopDep(double depth) {
    m_dTopDep = depth;
    Log("CSglWellAdapter::SetTopDep(" + std::to_string(depth) + ")");
}
void CSglWellAdapter::SetBottomDep(double depth) {
    m_dBottomDep = depth;
    Log("CSglWellAdapter::SetBottomDep(" + std::to_string(depth) + ")");
}
void CSglWellAdapter::SetTopStratum(const std::string& stratum) {
    m_strTopStratum = stratum;
    Log("CSglWellAdapter::SetTopStratum(" + stratum + ")");
}
void CSglWellAdapter::SetBottomStratum(const std::string& stratum) {
    m_strBottomStratum = stratum;
    Log("CSglWellAdapter::SetBottomStratum(" + stratum + ")");
}
void CSglWellAdapter::SetTopExtendDep(double depth) {
    m_dTopExtendDep = depth;
    Log("CSglWellAdapter::SetTopExtendDep(" + std::to_string(depth) + ")");
}
void CSglWellAdapter::SetBottomExtendDep(double depth) {
    m_dBottomExtendDep = depth;
    Log("CSglWellAdapter::SetBottomExtendDep(" + std::to_string(depth) + ")");
}
void CSglWellAdapter::RecalculateDrawing() { Log("CSglWellAdapter::RecalculateDrawing"); }
void CSglWellAdapter::RecalculateLayout() { Log("CSglWellAdapter::RecalculateLayout"); }
void CSglWellAdapter::UpdateStratumAndDep() { Log("CSglWellAdapter::UpdateStratumAndDep"); }
void CSglWellAdapter::CalStratumProperty() { Log("CSglWellAdapter::CalStratumProperty"); }
bool CSglWellAdapter::IsShooted(double top, double bottom) const {
    // Perforated when some recorded interval overlaps [top, bottom].
    for (const auto& interval : m_shootIntervals)
        if (interval.first <= bottom && interval.second >= top) return true;
    return false;
}
void CSglWellAdapter::SetWellName(const std::string& name) { m_strWellName = name; }
void CSglWellAdapter::SetSingle(CSingleWellSection* section) { m_pSingle = section; }
void CSglWellAdapter::SetDepthDataType(DepthDataType type) { m_depthDataType = type; }
void CSglWellAdapter::AddShootInterval(double top, double bottom) { m_shootIntervals.emplace_back(top, bottom); }
