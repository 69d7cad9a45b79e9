#include "hosttypes/Moraine/RegionLayer.h"

#include "hostlibs/Moraine/LayerSettings.h"

namespace kel::plane {

CRegionLayer::CRegionLayer(CQXLayer* layer) : IProfLayer(layer) {}

void CRegionLayer::GetAllRegionType(CStringArray& types) const {
    moraine::detail::GetDistributionTypes(m_pSettings, types);
}

}  // namespace kel::plane
