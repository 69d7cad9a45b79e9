#include "hosttypes/Parsnip/QXLayer.h"

#include <algorithm>

#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObject.h"
#include "hosttypes/Tinder/TimeStamp.h"

IMPLEMENT_DYNAMIC(CQXLayer, CObject)

CQXLayer::CQXLayer(CQXMap* map) : m_pMap(map), m_nTimeStamp(AfxGetTimeStamp()) {}
CQXLayer::~CQXLayer() = default;

void CQXLayer::SetMap(CQXMap* map) { m_pMap = map; }

void CQXLayer::ProChanged() { m_nTimeStamp = AfxGetTimeStamp(); }

CString CQXLayer::GetName() const { return m_strName; }
CString CQXLayer::GetTypeName() const { return m_strTypeName; }

void CQXLayer::SetName(const char* name) {
    m_strName = name ? name : "";
    ProChanged();
    parsnip::testing::Record("CQXLayer::SetName", this, m_strName.GetString());
}

void CQXLayer::SetTypeName(const char* name) {
    m_strTypeName = name ? name : "";
    ProChanged();
}

CQXObject* CQXLayer::GetObjectG(int i) const {
    return i >= 0 && i < GetObjectCount() ? m_objects[static_cast<std::size_t>(i)] : nullptr;
}

CQXObject* CQXLayer::GetObjectG(const char* name, const char* typeName) const {
    const CString wantedName = name ? name : "";
    const CString wantedType = typeName ? typeName : "";
    for (CQXObject* object : m_objects) {
        if (object->GetTypeName() != wantedType) continue;
        if (!wantedName.IsEmpty() && object->GetName() != wantedName) continue;
        return object;
    }
    return nullptr;
}

void CQXLayer::SetModifyFlag(int flag) {
    m_nModifyFlag = flag;
    parsnip::testing::Record("CQXLayer::SetModifyFlag", this, std::to_string(flag));
}

void CQXLayer::SetLogPen(const QXLOGPEN* pen) {
    if (!pen) return;
    m_pen = *pen;
    ProChanged();
}

void CQXLayer::SetLogBrush(const QXLOGBRUSH* brush) {
    if (!brush) return;
    m_brush = *brush;
    ProChanged();
}

void CQXLayer::SetLogFont(const QXLOGFONT* font) {
    if (!font) return;
    m_font = *font;
    ProChanged();
}

void CQXLayer::SetLogPoint(const QXLOGPOINT* point) {
    if (!point) return;
    m_point = *point;
    ProChanged();
}

void CQXLayer::AddObject(CQXObject* object) {
    if (!object) return;
    object->SetLayer(this);
    m_objects.push_back(object);
    ProChanged();
}

void CQXLayer::DeleteObject(CQXObject* object) {
    m_objects.erase(std::remove(m_objects.begin(), m_objects.end(), object), m_objects.end());
    m_selected.erase(std::remove(m_selected.begin(), m_selected.end(), object), m_selected.end());
    ProChanged();
    parsnip::testing::Record("CQXLayer::DeleteObject", this);
}

void CQXLayer::DeleteAllObject() {
    m_objects.clear();
    m_selected.clear();
    ProChanged();
    parsnip::testing::Record("CQXLayer::DeleteAllObject", this);
}

void CQXLayer::SetSelectedObject(CQXObject* object, CDC*, CView*) {
    if (!object || std::find(m_selected.begin(), m_selected.end(), object) != m_selected.end()) return;
    m_selected.push_back(object);
    ProChanged();
}

void CQXLayer::RemoveAllSelectedObject(CDC*, CView*) {
    if (m_selected.empty()) return;
    m_selected.clear();
    ProChanged();
}
