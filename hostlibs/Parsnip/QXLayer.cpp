#include "hosttypes/Parsnip/QXLayer.h"

#include "hosttypes/Tinder/TimeStamp.h"

IMPLEMENT_DYNAMIC(CQXLayer, CObject)

CQXLayer::CQXLayer() : m_timeStamp(AfxGetTimeStamp()) {}
CQXLayer::~CQXLayer() = default;

uint64_t CQXLayer::GetTimeStamp() const { return m_timeStamp; }

void CQXLayer::ProChanged() { m_timeStamp = AfxGetTimeStamp(); }
