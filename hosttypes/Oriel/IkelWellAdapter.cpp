#include "hosttypes/Oriel/IkelWellAdapter.h"

#include "hosttypes/Oriel/ScControlerInterface.h"

IkelWellAdapter::IkelWellAdapter()
    : m_dTopDepth(0.0),
      m_dBottomDepth(0.0),
      m_dAlignLength(0.0),
      m_dTopExtendDepth(0.0),
      m_dBottomExtendDepth(0.0),
      m_dPrjAngle(0.0),
      m_bEditTemplate(false),
      m_dWidth(0.0),
      m_nDepthType(0),
      m_nConnectPos(0),
      m_dLeftJoint(0.0),
      m_dRightJoint(0.0),
      m_bInclined(false) {
    m_strObjName = "IkelWellAdapter";
}

IkelWellAdapter::IkelWellAdapter(const IkelWellAdapter&) = default;
IkelWellAdapter& IkelWellAdapter::operator=(const IkelWellAdapter&) = default;
IkelWellAdapter::~IkelWellAdapter() = default;

SC_IMPLEMENT_ACCEPT(IkelWellAdapter)
