#include "hosttypes/Parsnip/QXObject.h"

#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXSegment.h"
#include "hosttypes/Tinder/TimeStamp.h"

IMPLEMENT_DYNAMIC(CQXObject, CObject)

CQXObject::CQXObject(CQXLayer* layer) : m_pLayer(layer), m_nTimeStamp(AfxGetTimeStamp()) {
    SetClassNameG("CQXObject");
}

CQXObject::~CQXObject() {
    for (CQXSegment* segment : m_segments) delete segment;
}

CQXObject::CQXObject(const CQXObject& other) : CObject(other) { *this = other; }

CQXObject& CQXObject::operator=(const CQXObject& other) {
    if (this == &other) return *this;
    std::vector<CQXSegment*> segments;
    segments.reserve(other.m_segments.size());
    for (const CQXSegment* segment : other.m_segments) segments.push_back(new CQXSegment(*segment));
    for (CQXSegment* segment : m_segments) delete segment;
    m_segments = std::move(segments);
    m_pLayer = other.m_pLayer;
    m_strTypeName = other.m_strTypeName;
    m_strName = other.m_strName;
    m_strClassName = other.m_strClassName;
    m_nTimeStamp = other.m_nTimeStamp;
    m_nModifyFlag = other.m_nModifyFlag;
    m_nEditMode = other.m_nEditMode;
    m_nSelectedNode = other.m_nSelectedNode;
    m_nEditable = other.m_nEditable;
    m_nVisible = other.m_nVisible;
    m_pManager = other.m_pManager;
    m_rectDraw = other.m_rectDraw;
    m_rectMap = other.m_rectMap;
    m_nControlNodePointCount = other.m_nControlNodePointCount;
    m_nControlNodeDrawPointCount = other.m_nControlNodeDrawPointCount;
    m_propertyManager = other.m_propertyManager;
    m_anchor = other.m_anchor;
    return *this;
}

void CQXObject::Touched(const char* operation, const std::string& arguments) {
    m_nTimeStamp = AfxGetTimeStamp();
    parsnip::testing::Record(operation, this, arguments);
}

void CQXObject::OnChanged(int hint) { Touched("CQXObject::OnChanged", std::to_string(hint)); }

// Only logged: a plain map object has no dependants.
void CQXObject::UpdateAfterEdit() { parsnip::testing::Record("CQXObject::UpdateAfterEdit", this); }

void CQXObject::MoveAnchor(QXPOINT point) {
    m_anchor = point;
    Touched("CQXObject::MoveAnchor");
}

void CQXObject::MoveAnchor(FLOATPOINT point) {
    m_anchor.x = point.x;
    m_anchor.y = point.y;
    Touched("CQXObject::MoveAnchor");
}

void CQXObject::GetAnchor(QXPOINT* point) {
    if (point) *point = m_anchor;
}

void CQXObject::GetAnchor(FLOATPOINT* point) {
    if (point) *point = FLOATPOINT(m_anchor.x, m_anchor.y);
}

int CQXObject::SetName(const char* name) {
    m_strName = name ? name : "";
    Touched("CQXObject::SetName", m_strName.GetString());
    return 1;
}

void CQXObject::SetTypeName(const char* name) {
    m_strTypeName = name ? name : "";
    Touched("CQXObject::SetTypeName", m_strTypeName.GetString());
}

void CQXObject::SetModifyFlag(int flag) {
    m_nModifyFlag = flag;
    parsnip::testing::Record("CQXObject::SetModifyFlag", this, std::to_string(flag));
}

CQXSegment* CQXObject::GetSegment(int i) const {
    return i >= 0 && i < GetSegmentCount() ? m_segments[static_cast<std::size_t>(i)] : nullptr;
}

bool CQXObject::GetControlNodePoint(int i, POINT& point) {
    POINT* points = GetControlNodeDrawPointArray();
    if (!points || i < 0 || i >= GetControlNodeDrawPointCount()) return false;
    point = points[i];
    return true;
}

bool CQXObject::GetControlNodePoint(int i, FLOATPOINT& point) {
    FLOATPOINT* points = GetControlNodeMapPointArray();
    if (!points || i < 0 || i >= GetControlNodePointCount()) return false;
    point = points[i];
    return true;
}

CQXSegment* CQXObject::AddSegment(CQXSegment* segment) {
    if (segment) m_segments.push_back(segment);
    return segment;
}

bool CQXSegment::GetPoint(int i, FLOATPOINT& point) const {
    if (i < 0 || i >= GetPointCount()) return false;
    point = m_points[static_cast<std::size_t>(i)];
    return true;
}

bool CQXSegment::SetPoint(int i, const FLOATPOINT& point) {
    if (i < 0 || i >= GetPointCount()) return false;
    m_points[static_cast<std::size_t>(i)] = point;
    return true;
}
