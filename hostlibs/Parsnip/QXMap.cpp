#include "hosttypes/Parsnip/QXMap.h"

#include <algorithm>

#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Tinder/TimeStamp.h"

IMPLEMENT_DYNAMIC(CQXMap, CObject)

CQXMap::CQXMap(CQXMapFile* mapFile) : m_nTimeStamp(AfxGetTimeStamp()), m_pMapFile(mapFile) {}

CQXMap::~CQXMap() {
    for (CQXLayer* layer : m_layers) delete layer;
}

void CQXMap::BuildMapRect() {
    // The stand-in draws nothing, so there is no extent to recompute: the rotation counts as a
    // change of the map.
    m_nTimeStamp = AfxGetTimeStamp();
    parsnip::testing::Record("CQXMap::BuildMapRect", this, FormatString("%.17g", m_dAngle).str());
}

CQXLayer* CQXMap::GetLayer(const char* name) const {
    if (!name) return nullptr;
    for (CQXLayer* layer : m_layers)
        if (layer->GetName() == name) return layer;
    return nullptr;
}

void CQXMap::SetModifyFlag(int flag) {
    m_nModifyFlag = flag;
    parsnip::testing::Record("CQXMap::SetModifyFlag", this, std::to_string(flag));
}

CQXLayer* CQXMap::AddLayer(CQXLayer* layer) {
    if (!layer) return nullptr;
    layer->SetMap(this);
    // Taken over once only: a second entry would free it twice.
    if (std::find(m_layers.begin(), m_layers.end(), layer) != m_layers.end()) return layer;
    m_layers.push_back(layer);
    m_nTimeStamp = AfxGetTimeStamp();
    return layer;
}

void CQXMap::SetStratum(int grade, const char* name) {
    m_bHasStratum = true;
    m_nStratumGrade = grade;
    m_strStratum = name ? name : "";
}

bool CQXMap::GetStratum(int& grade, CString& name) const {
    if (!m_bHasStratum) return false;
    grade = m_nStratumGrade;
    name = m_strStratum;
    return true;
}
