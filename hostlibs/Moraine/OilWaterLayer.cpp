#include "hosttypes/Moraine/OilWaterLayer.h"

#include "hostlibs/Moraine/LayerSettings.h"

namespace kel::plane {

COilWaterLayer::COilWaterLayer(CQXLayer* layer) : IProfLayer(layer) {}

void COilWaterLayer::GetAllOilWaterType(CStringArray& types) const {
    moraine::detail::GetDistributionTypes(m_pSettings, types);
}

}  // namespace kel::plane
