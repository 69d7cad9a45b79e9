#include "hosttypes/Lodestar/LayerProperty.h"

namespace KelProfileline {

CLayerProperty::CLayerProperty()
    : m_nDataTarget(1),
      m_nStratumIndex(-1),
      m_dSeaLevelDepth(0.0),
      m_bShowWellName(true),
      m_dNameOffset(0.0),
      m_bStraightTrack(false),
      m_bShowProfileLine(true),
      m_bRandomLineColor(false),
      m_bShowReferenceMap(false),
      m_symbolVisible{true, true, true},
      m_trackVisible{true, true} {}
CLayerProperty::CLayerProperty(const CLayerProperty&) = default;
CLayerProperty& CLayerProperty::operator=(const CLayerProperty&) = default;
CLayerProperty::~CLayerProperty() = default;

CPropertySignle::CPropertySignle() : m_property(new CLayerProperty) {}
CPropertySignle::~CPropertySignle() = default;

}  // namespace KelProfileline
