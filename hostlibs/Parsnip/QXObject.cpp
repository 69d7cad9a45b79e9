#include "hosttypes/Parsnip/QXObject.h"

#include "hosttypes/Tinder/TimeStamp.h"

IMPLEMENT_DYNAMIC(CQXObject, CObject)

CQXObject::CQXObject(CQXLayer* layer) : m_pLayer(layer), m_nTimeStamp(AfxGetTimeStamp()) {}
CQXObject::~CQXObject() = default;

void CQXObject::OnChanged(int) { m_nTimeStamp = AfxGetTimeStamp(); }
