// Operations of the kit library that the kits' header members and the tests call. Every
// setter and every change of data or structure renews the kit's stamp.
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "hosttypes/Zephyr/WpPicture.h"
#include "hosttypes/Zephyr/WpSandStratum.h"
#include "hosttypes/Zephyr/WpSegment.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"
#include "hosttypes/Zephyr/WpWell.h"

using zephyr::detail::Record;
using zephyr::detail::Stamp;

// ---- tree and title ---------------------------------------------------------------------
CWpKit* CWpKit::GetParent() { return m_pParent; }
int CWpKit::ChildrenCount() { return static_cast<int>(m_children.size()); }

CWpKit* CWpKit::GetChild(int i) {
    if (i < 0 || i >= ChildrenCount()) return nullptr;
    return m_children[static_cast<size_t>(i)];
}

CWpWell* CWpKit::GetWell() {
    for (CWpKit* kit = this; kit; kit = kit->m_pParent)
        if (kit->IsKindOf(RUNTIME_CLASS(CWpWell))) return static_cast<CWpWell*>(kit);
    return nullptr;
}

void CWpKit::AddChild(CWpKit* child) {
    if (!child) return;
    child->m_pParent = this;
    m_children.push_back(child);
    Record("CWpKit::AddChild", this);
    Stamp(this);
}

CString CWpKit::GetTitleText() { return m_strTitle; }

void CWpKit::SetTitleText(CString text) {
    m_strTitle = text;
    Record("CWpKit::SetTitleText", this);
    Stamp(this);
}

// ---- well ---------------------------------------------------------------------------------
WDMgrIO* CWpWell::GetDataMgr() { return m_pDataMgr; }

void CWpWell::SetDataMgr(WDMgrIO* mgr) {
    if (mgr == m_pDataMgr) return;
    delete m_pDataMgr;
    m_pDataMgr = mgr;
    Record("CWpWell::SetDataMgr", this);
    Stamp(this);
}

void CWpWell::IsBlankSpace(bool blank) {
    m_bBlankSpace = blank;
    Record("CWpWell::IsBlankSpace", this);
    Stamp(this);
}

void CWpWell::SetDepthType(const DepthType& type) {
    m_depthType = type;
    if (m_pDataMgr) m_pDataMgr->SetDepthType(type);  // the well's data are read in the new kind
    Record("CWpWell::SetDepthType", this);
    Stamp(this);
}

// ---- content kinds ------------------------------------------------------------------------
void CWpCurve::SetScaleDecimalDigit(int digits) {
    m_nScaleDecimalDigit = digits;
    Record("CWpCurve::SetScaleDecimalDigit", this);
    Stamp(this);
}

double CWpCorelith::GetColorPer() { return m_dColorPer; }

WPKITTYPE CWpParam::GetWpKitType() { return WPKIT_PARAM; }
WPKITTYPE CWpSidewallCore::GetWpKitType() { return WPKIT_SIDEWALLCORE; }

// ---- segments ------------------------------------------------------------------------------
int CWpSegment::GetActiveSeg() { return m_nActiveSeg < GetSegCount() ? m_nActiveSeg : -1; }
int CWpSegment::GetSegCount() { return static_cast<int>(m_segments.size()); }

WPSEGMENT* CWpSegment::GetSeg(int i) {
    if (i < 0 || i >= GetSegCount()) return nullptr;
    return &m_segments[static_cast<size_t>(i)];
}

void CWpSegment::AddSeg(const WPSEGMENT& seg) {
    m_segments.push_back(seg);
    Record("CWpSegment::AddSeg", this);
    Stamp(this);
}

// ---- pictures ------------------------------------------------------------------------------
CgPicSegment* CWpPicture::GetSegment(int i) {
    if (i < 0 || i >= GetSegCount()) return nullptr;
    return m_segments[static_cast<size_t>(i)].get();
}

CgPicSegment* CWpPicture::AppendSegment(const CgPicSegment& seg) {
    m_segments.push_back(std::make_unique<CgPicSegment>(seg));
    Record("CWpPicture::AppendSegment", this);
    Stamp(this);
    return m_segments.back().get();
}

void CWpPicture::SetActiveSegIndex(int i) {
    m_nActiveSeg = i;
    Record("CWpPicture::SetActiveSegIndex", this);
    Stamp(this);
}

void CWpPicture::SetType(int type) {
    m_nType = type;
    Record("CWpPicture::SetType", this);
    Stamp(this);
}

void CgPicSegment::SetBaseZoom(double zoom) { m_dBaseZoom = zoom; }

void CgPicSegment::SetRect(double left, double top, double right, double bottom) {
    m_dLeft = left;
    m_dTop = top;
    m_dRight = right;
    m_dBottom = bottom;
}

void CgPicSegment::SetPictureName(const CString& name) { m_strPictureName = name; }
bool CgPicSegment::IsActive() { return m_byActive != 0; }

// ---- oil test ------------------------------------------------------------------------------
void CWpOilTest::SetActiveSegIndex(int i) {
    m_nActiveSeg = i;
    Record("CWpOilTest::SetActiveSegIndex", this);
    Stamp(this);
}

// ---- sand strata ---------------------------------------------------------------------------
void CWpSandStratum::UpdateD2V() {
    Record("CWpSandStratum::UpdateD2V", this);
    Stamp(this);
}

void CWpSandStratum::SetOptionRows(unsigned rows) {
    m_fillOptions.assign(rows, FILLOPTION());
    m_lineOptions.assign(rows, LINEOPTION());
    m_textOptions.assign(rows, TEXTOPTIONEX());
    Record("CWpSandStratum::SetOptionRows", this);
    Stamp(this);
}
