#include "hosttypes/Moraine/ScatteredLayer.h"

#include "hostlibs/Moraine/LayerSettings.h"

namespace kel::plane {

CScatteredLayer::CScatteredLayer(CQXLayer* layer) : IProfLayer(layer) {}

CString CScatteredLayer::GetDataName() const {
    return moraine::detail::Read<CString>(m_pSettings, "DataName", CString());
}

}  // namespace kel::plane
