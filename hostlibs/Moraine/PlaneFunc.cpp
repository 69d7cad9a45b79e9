#include "hosttypes/Moraine/PlaneFunc.h"

#include "hostlibs/Moraine/LayerSettings.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"
#include "win32/Crt.h"

namespace kel::plane {

int CPlaneFunc::IsEffectiveFigure(const CString& text) {
    const char* p = text.GetString();
    std::size_t used = 0;
    crt::Atof(p, &used);
    if (used == 0) return 0;
    for (p += used; *p; ++p)
        if (!crt::IsSpace(*p)) return 0;
    return 1;
}

bool CPlaneFunc::IsSameLayerName(CQXMap* map, const std::string& name) {
    if (name.empty()) return false;
    if (!map) return true;
    for (int i = 0; i < map->GetLayerCount(); ++i) {
        const CQXLayer* layer = map->GetLayer(i);
        if (layer && layer->GetName() == name.c_str()) return false;
    }
    return true;
}

void CPlaneFunc::UpdateRelateLayerName(CQXLayer* layer, const std::string& oldName) {
    if (!layer) return;
    parsnip::testing::Record("kel::plane::CPlaneFunc::UpdateRelateLayerName", layer, oldName);
    CQXMap* map = layer->GetMap();
    if (!map || oldName.empty()) return;
    const CString newName = layer->GetName();
    for (int i = 0; i < map->GetLayerCount(); ++i) {
        CQXLayer* other = map->GetLayer(i);
        moraine::detail::LayerSettings* settings = moraine::detail::SettingsOf(other, false);
        if (!settings) continue;
        for (const char* key : {"BoundaryName", "FaultName"}) {
            if (settings->Get<CString>(key, CString()) != oldName.c_str()) continue;
            settings->Set<CString>(key, newName);
            moraine::detail::Changed(other, "kel::plane::CPlaneFunc::UpdateRelateLayerName");
        }
    }
}

}  // namespace kel::plane
