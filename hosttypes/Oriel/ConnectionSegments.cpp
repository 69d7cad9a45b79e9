#include "hosttypes/Oriel/ConnectionSegments.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

CnSegObj::~CnSegObj() = default;

bool CnSegObj::HitTest(FLOATPOINT pt) { return false; }

void CnSegObj::SetTopDepth(double depth) { m_dTopDepth = depth; }

void CnSegObj::SetBottomDepth(double depth) { m_dBottomDepth = depth; }

void CnSegObj::SetNormalizedTopDepth(double depth) { m_dNormalizedTopDepth = depth; }

void CnSegObj::SetNormalizedBottomDepth(double depth) { m_dNormalizedBottomDepth = depth; }

double CnSegObj::GetThick() const { return std::fabs(m_dBottomDepth - m_dTopDepth); }

double CnSegObj::GetNormalizedMiddleDepth() const { return (m_dNormalizedTopDepth + m_dNormalizedBottomDepth) * 0.5; }

void CnSegObj::SetControlPoint(unsigned int i, const FLOATPOINT& pt) {
    if (i < CONTROL_POINT_COUNT) m_ctrlPoints[i] = pt;
}

FLOATPOINT CnSegObj::GetControlPoint(unsigned int i) const {
    return i < CONTROL_POINT_COUNT ? m_ctrlPoints[i] : FLOATPOINT();
}

FLOATRECT CnSegObj::GetMapRect() const { return calRect(); }

FLOATRECT CnSegObj::calRect() const {
    // The limits are the float range: segments are drawn in single precision.
    const double largest = FLT_MAX;
    double left = largest, bottom = largest, right = -largest, top = -largest;
    for (const FLOATPOINT& p : m_ctrlPoints) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    return FLOATRECT(left, top, right, bottom);
}

CnSand::~CnSand() = default;

void CnSand::SetTopDepth(double depth) { m_dTopDepth = depth; }

void CnSand::SetBottomDepth(double depth) { m_dBottomDepth = depth; }

void CnSand::SetNormalizedTopDepth(double depth) { m_dNormalizedTopDepth = depth; }

void CnSand::SetNormalizedBottomDepth(double depth) { m_dNormalizedBottomDepth = depth; }

CnShale::~CnShale() = default;

void CnShale::SetNormalizedTopDepth(double depth) { m_dNormalizedTopDepth = depth; }

void CnShale::SetNormalizedBottomDepth(double depth) { m_dNormalizedBottomDepth = depth; }

CnSegObjMgr::~CnSegObjMgr() { Clear(); }

void CnSegObjMgr::AddObj(CnSegObj* seg) {
    if (seg) m_objs.push_back(seg);
}

void CnSegObjMgr::Init() {
    m_objs.clear();
    m_pWell = nullptr;
}

void CnSegObjMgr::Clear() {
    for (CnSegObj* seg : m_objs) delete seg;
    m_objs.clear();
}

CnSandMgr::~CnSandMgr() = default;
CnShaleMgr::~CnShaleMgr() = default;
