// The profile-line document, its managers, reference information and layer settings: the
// library's side of them.
#include <algorithm>

#include "hostlibs/Lodestar/CallLog.h"
#include "hosttypes/Lodestar/LayerProperty.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlManagers.h"
#include "hosttypes/Lodestar/PlProfileline.h"
#include "hosttypes/Lodestar/PlWell.h"

namespace KelProfileline {

using lodestar::detail::Log;

// ---- container and entity ----
CPlContainer::CPlContainer(CPlDocOperator* docOperator)
    : m_nStratumGrade(-1),
      m_pWellMgr(nullptr),
      m_pProfilelineMgr(nullptr),
      m_pDocOperator(docOperator),
      m_pControl(nullptr),
      m_pCreateDlg(nullptr) {}
CPlContainer::~CPlContainer() = default;

void CPlContainer::UpdateProperty() { Log("CPlContainer::UpdateProperty"); }
void CPlContainer::RebuildTracks() { Log("CPlContainer::RebuildTracks"); }
void CPlContainer::UpdateWnd() { Log("CPlContainer::UpdateWnd"); }
void CPlContainer::SetRefrenceInfo(boost::shared_ptr<CPlRefrenceInfo> info) { m_refInfo = info; }
void CPlContainer::ChangeWellNameFontTemplate(const std::string& name) {
    Log("CPlContainer::ChangeWellNameFontTemplate(" + name + ")");
}
void CPlContainer::ChangeWellNameSizeTemplate(const std::string& name) {
    Log("CPlContainer::ChangeWellNameSizeTemplate(" + name + ")");
}
void CPlContainer::ChangeWellNameColorTemplate(const std::string& name) {
    Log("CPlContainer::ChangeWellNameColorTemplate(" + name + ")");
}
void CPlContainer::ChangeWellSymbolPointStyleTemple(const std::string& name) {
    Log("CPlContainer::ChangeWellSymbolPointStyleTemple(" + name + ")");
}
void CPlContainer::ChangeWellSymbolSizeTemple(const std::string& name) {
    Log("CPlContainer::ChangeWellSymbolSizeTemple(" + name + ")");
}
void CPlContainer::ChangeWellSymbolOutColorTemple(const std::string& name) {
    Log("CPlContainer::ChangeWellSymbolOutColorTemple(" + name + ")");
}
void CPlContainer::ChangeWellSymbolInnerColorTemple(const std::string& name) {
    Log("CPlContainer::ChangeWellSymbolInnerColorTemple(" + name + ")");
}
void CPlContainer::SetWellDrainLinePos() { Log("CPlContainer::SetWellDrainLinePos"); }

CPlCnEntity::CPlCnEntity(CPlDocOperator* docOperator) : CPlContainer(docOperator) { m_strObjName = "CPlCnEntity"; }
CPlCnEntity::~CPlCnEntity() = default;

// ---- reference information ----
void CPlRefrenceInfo::SetLayerVec(const std::vector<CQXLayer*>& layers) { m_layers = layers; }
boost::shared_ptr<CLayerProperty> CPlRefrenceInfo::GetLayerProperty() const { return m_property; }
void CPlRefrenceInfo::SetLayerProperty(boost::shared_ptr<CLayerProperty> property) { m_property = property; }
void CPlRefrenceInfo::GetShowLayer(std::vector<std::string>& names) const { names = m_showLayers; }
int CPlRefrenceInfo::GetShowLayerVisible(int index) const {
    return index >= 0 && index < static_cast<int>(m_showLayerVisible.size()) ? m_showLayerVisible[index] : 0;
}
void CPlRefrenceInfo::SetLayerVisible(const std::string& name, bool visible) {
    Log("CPlRefrenceInfo::SetLayerVisible(" + name + (visible ? ",1)" : ",0)"));
    auto it = std::find(m_showLayers.begin(), m_showLayers.end(), name);
    if (it != m_showLayers.end()) m_showLayerVisible[static_cast<size_t>(it - m_showLayers.begin())] = visible ? 1 : 0;
}
void CPlRefrenceInfo::AddShowLayer(const std::string& name, bool visible) {
    m_showLayers.push_back(name);
    m_showLayerVisible.push_back(visible ? 1 : 0);
}
void CPlRefrenceInfo::SetFileName(const std::string& name) {
    m_strFileName = name;
    Log("CPlRefrenceInfo::SetFileName(" + name + ")");
}
std::string CPlRefrenceInfo::GetFileName() const { return m_strFileName; }

// ---- managers ----
void CPlWellMgr::AddWell(boost::shared_ptr<CPlWell> well) {
    if (!well) return;
    well->SetWellMgr(this);
    m_wells.push_back(well);
}
void CPlWellMgr::SetLabelFont(const QXLOGFONT& font) {
    Log("CPlWellMgr::SetLabelFont");
    for (const auto& well : m_wells)
        if (well->GetWellLabel()) well->GetWellLabel()->SetLabelFont(font);
}
void CPlWellMgr::SetWellLabelRefertype(const std::string& text) {
    Log("CPlWellMgr::SetWellLabelRefertype(" + text + ")");
}
void CPlWellMgr::SetWellLabelAlign(const std::string& text) { Log("CPlWellMgr::SetWellLabelAlign(" + text + ")"); }
void CPlWellMgr::SetWellLabelOffset(double offset) {
    Log("CPlWellMgr::SetWellLabelOffset(" + std::to_string(offset) + ")");
}
void CPlWellMgr::SetSymbolLogPoint(int kind, const QXLOGPOINT& point) {
    Log("CPlWellMgr::SetSymbolLogPoint(" + std::to_string(kind) + ")");
    for (const auto& well : m_wells)
        if (auto symbol = well->GetSymbol(kind)) symbol->SetSymbolLogPoint(point);
}
void CPlWellMgr::SetTrackPen(int kind, const QXLOGPEN& pen) {
    Log("CPlWellMgr::SetTrackPen(" + std::to_string(kind) + ")");
    for (const auto& well : m_wells)
        if (auto track = well->GetTrack(kind)) track->SetLogPen(pen);
}

void CPlProfilelineMgr::AddLine(CPlProfileline* line) {
    if (line) m_lines.push_back(line);
}
void CPlProfilelineMgr::SetLinePen(const QXLOGPEN& pen) {
    Log("CPlProfilelineMgr::SetLinePen");
    for (CPlProfileline* line : m_lines) line->SetLinePen(pen);
}

// ---- layer settings ----
namespace {
bool IsSymbolKind(int kind) { return kind >= PL_SYMBOL_CURRENT && kind <= PL_SYMBOL_BOTTOM; }
bool IsTrackKind(int kind) { return kind == PL_TRACK_UPPER || kind == PL_TRACK_LOWER; }
}  // namespace

bool CLayerProperty::GetSymbolVisible(int kind) const {
    return IsSymbolKind(kind) && m_symbolVisible[kind - PL_SYMBOL_CURRENT];
}
void CLayerProperty::SetSymbolVisible(bool visible, int kind) {
    if (IsSymbolKind(kind)) m_symbolVisible[kind - PL_SYMBOL_CURRENT] = visible;
}
QXLOGPOINT CLayerProperty::GetSymbolPoint(int kind) const {
    return IsSymbolKind(kind) ? m_symbolPoints[kind - PL_SYMBOL_CURRENT] : QXLOGPOINT();
}
void CLayerProperty::SetSymbolPoint(int kind, const QXLOGPOINT& point) {
    if (IsSymbolKind(kind)) m_symbolPoints[kind - PL_SYMBOL_CURRENT] = point;
}
bool CLayerProperty::GetWellTrackVisible(int kind) const {
    return IsTrackKind(kind) && m_trackVisible[kind - PL_TRACK_UPPER];
}
void CLayerProperty::SetWellTrackVisible(bool visible, int kind) {
    if (IsTrackKind(kind)) m_trackVisible[kind - PL_TRACK_UPPER] = visible;
}
QXLOGPEN CLayerProperty::GetWellTrackPen(int kind) const {
    return IsTrackKind(kind) ? m_trackPens[kind - PL_TRACK_UPPER] : QXLOGPEN();
}
void CLayerProperty::SetWellTrackPen(int kind, const QXLOGPEN& pen) {
    if (IsTrackKind(kind)) m_trackPens[kind - PL_TRACK_UPPER] = pen;
}

CPropertySignle* CPropertySignle::Instance() {
    static CPropertySignle instance;
    return &instance;
}

}  // namespace KelProfileline
