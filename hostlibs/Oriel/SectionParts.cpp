// Singletons and the library operations of the section's model parts, rulers and fault points.
// Setters store their value; operations that would redraw or rebuild are logged.
#include <cfloat>

#include "hostlibs/Oriel/OrielLog.h"
#include "hosttypes/Oriel/CContainerSignle.h"
#include "hosttypes/Oriel/CMapProperty.h"
#include "hosttypes/Oriel/CStratumAdapter.h"
#include "hosttypes/Oriel/CStratumCell.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/OrielTesting.h"
#include "hosttypes/Oriel/ScContainer.h"
#include "hosttypes/Oriel/ScControlerClient.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScDepthRulerMgr.h"
#include "hosttypes/Oriel/ScDisRuler.h"
#include "hosttypes/Oriel/ScDisRulerMgr.h"
#include "hosttypes/Oriel/ScDisScale.h"
#include "hosttypes/Oriel/ScDisScaleMgr.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Oriel/ScRulerFrame.h"
#include "hosttypes/Oriel/ScScaler.h"
#include "hosttypes/Oriel/ScUpdateView.h"
#include "hosttypes/Oriel/ScWellPositionor.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"

using oriel::detail::Log;
using oriel::detail::Num;

// ---- singletons ----
ScUpdateView* ScUpdateView::Instance() {
    static ScUpdateView view;
    return &view;
}
CMapPropertySignle* CMapPropertySignle::Instance() {
    static CMapPropertySignle single;
    return &single;
}
CContainerSignle* CContainerSignle::Instance() {
    static CContainerSignle single;
    return &single;
}
// The current container, its record and the update view all answer the same section.
void CContainerSignle::SetContainer(ScContainer* container) {
    m_pContainer = container;
    CMapPropertySignle::Instance()->SetProperty(container ? container->GetProperty()
                                                          : boost::shared_ptr<CMapProperty>());
    ScUpdateView::Instance()->SetContainer(container);
}

// ---- selection ----
std::vector<ScObjInterface*> ScControlerClient::GetActiveObj() const { return m_activeObjs; }
void ScControlerClient::SetActiveObj(const std::vector<ScObjInterface*>& objs) { m_activeObjs = objs; }
void ScControlerClient::ClearActiveObj() { m_activeObjs.clear(); }

// ---- scaler and positioner ----
double ScScaler::GetXScale() const { return m_dXScale; }
void ScScaler::SetXScale(double scale) {
    m_dXScale = scale;
    Log("ScScaler::SetXScale(" + Num(scale) + ")");
}
double ScScaler::GetYScale() const { return m_dYScale; }
void ScScaler::SetYScale(double scale) {
    m_dYScale = scale;
    Log("ScScaler::SetYScale(" + Num(scale) + ")");
}

bool ScWellPositionor::IsAligned() const { return m_bAligned; }
void ScWellPositionor::AlignHeadImp(bool align) {
    Log(std::string("ScWellPositionor::AlignHeadImp(") + (align ? "true" : "false") + ")");
}
int ScWellPositionor::GetAlignStyle() const { return static_cast<int>(m_align.type); }
void ScWellPositionor::SetAlignStyle(int style) { m_align.type = static_cast<uint32_t>(style); }
void ScWellPositionor::SetSpacingType(int type) {
    m_spacing.type = static_cast<uint32_t>(type);
    Log("ScWellPositionor::SetSpacingType(" + std::to_string(type) + ")");
}
int ScWellPositionor::GetSpacingType() const { return static_cast<int>(m_spacing.type); }
void ScWellPositionor::ChangeXDistance() { Log("ScWellPositionor::ChangeXDistance()"); }
void ScWellPositionor::ArrangeWellByRealDis() { Log("ScWellPositionor::ArrangeWellByRealDis()"); }
void ScWellPositionor::ArrangeWell() { Log("ScWellPositionor::ArrangeWell()"); }
bool ScWellPositionor::GetCalDisNeedXY(const std::string& well, FLOATPOINT& point) const { return false; }

// ---- display record ----
void CMapProperty::IndexStrata() const {
    m_stratumIndex.clear();
    for (std::size_t i = 0; i < m_content.strata.size(); ++i) m_stratumIndex.emplace(m_content.strata[i].first, i);
    m_nIndexedStrata = m_content.strata.size();
}

// Trusts the index only for an entry that still holds the name; any doubt indexes the list again.
std::size_t CMapProperty::FindStratum(const std::string& name) const {
    const std::vector<StratumEntry>& strata = m_content.strata;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt == 1 || m_nIndexedStrata != strata.size()) IndexStrata();
        auto it = m_stratumIndex.find(name);
        if (it != m_stratumIndex.end() && it->second < strata.size() && strata[it->second].first == name)
            return it->second;
    }
    return strata.size();
}

bool CMapProperty::GetStratumSetorInfo(const std::string& name, unsigned char& info) const {
    const std::size_t i = FindStratum(name);
    if (i == m_content.strata.size()) return false;
    info = m_content.strata[i].second;
    return true;
}
// A stratum the record lacks is added at the end.
void CMapProperty::SetStratumSetorInfo(const std::string& name, unsigned char info) {
    const std::size_t i = FindStratum(name);
    if (i < m_content.strata.size())
        m_content.strata[i].second = info;
    else
        m_content.strata.emplace_back(name, info);
}
void CMapProperty::FliterGroup() { Log("CMapProperty::FliterGroup()"); }
void CMapProperty::ReCreatePinchout() { Log("CMapProperty::ReCreatePinchout()"); }
void CMapProperty::ReCreateRiver() { Log("CMapProperty::ReCreateRiver()"); }
void CMapProperty::ReCreateSandDam() { Log("CMapProperty::ReCreateSandDam()"); }
void CMapProperty::ReCreateNormal() { Log("CMapProperty::ReCreateNormal()"); }
void CMapProperty::UpdateSandFill() { Log("CMapProperty::UpdateSandFill()"); }
void CMapProperty::ChangeTemplate(const std::string& path) {
    m_strTemplatePath = path;
    Log("CMapProperty::ChangeTemplate(" + path + ")");
}
void CMapProperty::ChangeGrade(int level) {
    m_nGrade = level;
    Log("CMapProperty::ChangeGrade(" + std::to_string(level) + ")");
}
void CMapProperty::ChangeExtend(double length, bool left) {
    (left ? m_dLeftExtend : m_dRightExtend) = length;
    Log("CMapProperty::ChangeExtend(" + Num(length) + "," + (left ? "true" : "false") + ")");
}
void CMapProperty::ShowVirStratum(bool show) {
    m_bShowVirtualWell = show;
    Log(std::string("CMapProperty::ShowVirStratum(") + (show ? "true" : "false") + ")");
}
void CMapProperty::SetVirPen(const QXLOGPEN& pen) {
    m_virStratumPen = pen;
    Log("CMapProperty::SetVirPen()");
}
void CMapProperty::ChangeStratumNameFont(const QXLOGFONT& font) {
    m_stratumNameFont = font;
    Log("CMapProperty::ChangeStratumNameFont()");
}
void CMapProperty::UpdateProperty() { Log("CMapProperty::UpdateProperty()"); }

// ---- rulers and scales ----
void ScDepthRuler::SetRulerName(CString name) { m_strRulerName = name; }
void ScDepthRuler::SetVisible(bool visible) { m_bVisible = visible; }
void ScDepthRuler::SetLeftRuler(bool left) { m_bLeftRuler = left; }
void ScDepthRuler::SetMapRect(const FLOATRECT& rect) { m_mapRect = rect; }
void ScDepthRuler::SetDepRulerMgr(ScDepthRulerMgr* mgr) { m_pMgr = mgr; }
SmartPtr<ScCoordsTranslatorInterface> ScDepthRuler::GetCoordsTranslator() const { return m_translator; }
void ScDepthRuler::Update() { Log("ScDepthRuler::Update()"); }

void ScDepthRulerMgr::SetContainer(ScContainer* container) { m_pContainer = container; }

bool ScDisRuler::IsVisible() const { return m_bVisible; }
CQXLayer* ScDisRuler::GetLayer() const { return m_pLayer; }
void ScDisRuler::SetRulerName(CString name) { m_strRulerName = name; }
int ScDisRuler::GetUnit() const { return m_nUnit; }
unsigned int ScDisRuler::GetArrowStyle() const { return m_nArrowStyle; }
void ScDisRuler::SetQianHeight(double height) { m_dQianHeight = height; }
COLORREF ScDisRuler::GetShowColor() const { return m_showColor; }
void ScDisRuler::SetMapRect(const FLOATRECT& rect) { m_mapRect = rect; }
ScDisRulerMgr* ScDisRuler::GetDisRulerMgr() const { return m_pMgr; }
void ScDisRuler::SetDisRulerMgr(ScDisRulerMgr* mgr) { m_pMgr = mgr; }
void ScDisRuler::Update() { Log("ScDisRuler::Update()"); }

void ScDisRulerMgr::AddDisRuler(boost::shared_ptr<ScDisRuler> ruler) {
    if (!ruler) return;
    ruler->SetDisRulerMgr(this);
    m_rulers.push_back(ruler);
}
ScDisRuler* ScDisRulerMgr::GetDisRuler(unsigned int i) const {
    return i < m_rulers.size() ? m_rulers[i].get() : nullptr;
}
void ScDisRulerMgr::SetSelShowLinePen(const QXLOGPEN& pen) {
    for (ScDisRuler* r : m_selected) r->SetShowLinePen(pen);
    Log("ScDisRulerMgr::SetSelShowLinePen()");
}
void ScDisRulerMgr::SetSelArrowStyle(unsigned int style) {
    for (ScDisRuler* r : m_selected) r->SetArrowStyle(style);
    Log("ScDisRulerMgr::SetSelArrowStyle(" + std::to_string(style) + ")");
}
void ScDisRulerMgr::SetSelQianHeight(double height) {
    for (ScDisRuler* r : m_selected) r->SetQianHeight(height);
    Log("ScDisRulerMgr::SetSelQianHeight(" + Num(height) + ")");
}
void ScDisRulerMgr::SetSelQianLinePen(const QXLOGPEN& pen) {
    for (ScDisRuler* r : m_selected) r->SetQianLinePen(pen);
    Log("ScDisRulerMgr::SetSelQianLinePen()");
}
void ScDisRulerMgr::SetSelUnit(int unit) {
    for (ScDisRuler* r : m_selected) r->SetUnit(unit);
    Log("ScDisRulerMgr::SetSelUnit(" + std::to_string(unit) + ")");
}
void ScDisRulerMgr::SetSelNameFont(const QXLOGFONT& font) {
    QXLOGFONT copy = font;
    for (ScDisRuler* r : m_selected) r->SetNameFont(copy);
    Log("ScDisRulerMgr::SetSelNameFont()");
}
void ScDisRulerMgr::RefurbishDisRuler() { Log("ScDisRulerMgr::RefurbishDisRuler()"); }

void ScRulerFrame::SetMapRect(const FLOATRECT& rect) { m_mapRect = rect; }
void ScRulerFrame::Update() { Log("ScRulerFrame::Update()"); }

void ScDisScale::SetMapRect(const FLOATRECT& rect) { m_mapRect = rect; }
void ScDisScale::SetStep(int step) { m_nStep = step; }
CString ScDisScale::GetScaleName() const { return m_strObjName; }
void ScDisScale::Update() { Log("ScDisScale::Update()"); }

ScContainer* ScDisScaleMgr::GetContainer() const { return m_pContainer; }
ScWellMgr* ScDisScaleMgr::GetWSCWellMgr() const { return m_pWellMgr; }

// ---- look-down map ----
void ScLookDownForm::AddData(const std::string& name, const FLOATPOINT& position) {
    m_data.push_back(DATAENTRY{name, position});
}
int ScLookDownForm::GetDataCount() const { return static_cast<int>(m_data.size()); }
void ScLookDownForm::SetMapRect(const FLOATRECT& rect) { m_mapRect = rect; }
void ScLookDownForm::SetPosition(FLOATPOINT centre, double width, double height, MAINTAINSTYLE style) {
    m_mapRect = FLOATRECT(centre.x - width / 2, centre.y + height / 2, centre.x + width / 2, centre.y - height / 2);
    Log("ScLookDownForm::SetPosition(" + Num(centre.x) + "," + Num(centre.y) + "," + Num(width) + "," + Num(height) +
        "," + std::to_string(static_cast<int>(style)) + ")");
}
void ScLookDownForm::SetMaintainScale(bool maintain) { m_bWHScaleMaintain = maintain; }
unsigned int ScLookDownForm::GetFrameLineStyle() const { return m_framePen.style; }
void ScLookDownForm::SetFrameLineStyle(unsigned int style) { m_framePen.style = style; }
unsigned int ScLookDownForm::GetLineStyle() const { return m_linePen.style; }
void ScLookDownForm::SetLineStyle(unsigned int style) { m_linePen.style = style; }
void ScLookDownForm::UpdateWnd() { Log("ScLookDownForm::UpdateWnd()"); }
void ScLookDownForm::ClearShadow() {
    m_shadeMode = SHADE_NONE;
    Log("ScLookDownForm::ClearShadow()");
}
void ScLookDownForm::ByXorYAxisShadow(int xAxis) {
    m_shadeMode = xAxis ? SHADE_BY_X : SHADE_BY_Y;
    Log("ScLookDownForm::ByXorYAxisShadow(" + std::to_string(xAxis) + ")");
}
void ScLookDownForm::ByBeginTOendShadow() {
    m_shadeMode = SHADE_BEGIN_TO_END;
    Log("ScLookDownForm::ByBeginTOendShadow()");
}

// ---- fault points ----
void CrFaultPoint::SetLogPoint(const QXLOGPOINT& point) { m_logPoint = point; }
double CrFaultPoint::GetXOffset() const { return m_dXOffset; }
int CrFaultPoint::GetPosStyle() const { return m_nPosStyle; }

CrFaultPoint* CrWellFaultPoint::AddFaultPoint() {
    m_points.push_back(boost::shared_ptr<CrFaultPoint>(new CrFaultPoint(this)));
    return m_points.back().get();
}
CrFaultPoint* CrWellFaultPoint::GetFaultPoint(unsigned int i) const {
    return i < m_points.size() ? m_points[i].get() : nullptr;
}

CrWellFaultPoint* CrWellFaultPointMgr::CreateFaultPoint() {
    m_wells.push_back(boost::shared_ptr<CrWellFaultPoint>(new CrWellFaultPoint(this)));
    return m_wells.back().get();
}
CrWellFaultPoint* CrWellFaultPointMgr::GetWellFaultPoint(unsigned int i) const {
    return i < m_wells.size() ? m_wells[i].get() : nullptr;
}
ScWellMgr* CrWellFaultPointMgr::GetWellMgr() const { return m_pWellMgr; }
void CrWellFaultPointMgr::SetWellMgr(ScWellMgr* mgr) { m_pWellMgr = mgr; }

// ---- strata and sand symbols ----
void CStratumCell::SetStratumName(const std::string& name) { m_strStratumName = name; }
void CStratumCell::SetBottomLine(CQXObjectPolyline* line) { m_pBottomLine = line; }
void CStratumCell::GetStratumLogPen(QXLOGPEN* pen) {
    if (pen) *pen = m_pen;
}
// The boundary line draws with the cell's pen.
void CStratumCell::SetStratumLogPen(QXLOGPEN* pen) {
    if (!pen) return;
    m_pen = *pen;
    if (m_pStratumLine) m_pStratumLine->SetLogPen(pen);
}
QXLOGFONT CStratumCell::GetStratumFont() const { return m_font; }
void CStratumCell::SetStratumFont(const QXLOGFONT& font) { m_font = font; }

// The well's strata as the well data hold them (oriel::testing::SetWellStrata).
void CStratumAdapter::SetWellName(const std::string& well) {
    m_strWellName = well;
    for (const oriel::testing::WellStratum& s : oriel::detail::WellStrata(well)) AddStratum(s.stratum, s.top, s.bottom);
}
void CStratumAdapter::AddStratum(const std::string& stratum, double top, double bottom) {
    m_strata.push_back(stratum);
    m_intervals.emplace_back(top, bottom);
}
double CStratumAdapter::GetTopDepth(const std::string& stratum, bool exact) const {
    for (std::size_t i = 0; i < m_strata.size(); ++i)
        if (m_strata[i] == stratum) return m_intervals[i].first;
    return kFltMax;
}
double CStratumAdapter::GetBotDepth(const std::string& stratum, bool exact) const {
    for (std::size_t i = 0; i < m_strata.size(); ++i)
        if (m_strata[i] == stratum) return m_intervals[i].second;
    return kFltMax;
}
