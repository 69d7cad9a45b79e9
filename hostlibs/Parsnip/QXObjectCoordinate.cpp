#include "hosttypes/Parsnip/QXObjectCoordinate.h"

#include <string>

IMPLEMENT_DYNAMIC(CQXObjectCoordinate, CQXObject)

CQXObjectCoordinate::CQXObjectCoordinate(CQXLayer* layer) : CQXObject(layer) { SetClassNameG("CQXObjectCoordinate"); }
CQXObjectCoordinate::~CQXObjectCoordinate() = default;

unsigned CQXObjectCoordinate::GetAxisXFactor() const { return m_nAxisXFactor; }

void CQXObjectCoordinate::SetAxisXFactor(unsigned factor) {
    m_nAxisXFactor = factor;
    Touched("CQXObjectCoordinate::SetAxisXFactor", std::to_string(factor));
}
