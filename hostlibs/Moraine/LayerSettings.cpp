#include "hostlibs/Moraine/LayerSettings.h"

#include "hostlibs/Moraine/MoraineTesting.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/PlaneOption.h"
#include "hosttypes/Parsnip/QXLayer.h"

namespace moraine::detail {
namespace {
std::map<int, LayerSettings>& Registry() {
    static std::map<int, LayerSettings> registry;
    return registry;
}
// Ids are never reused, not even across a reset.
int& LastId() {
    static int last = 0;
    return last;
}
}  // namespace

LayerSettings* SettingsOf(CQXLayer* layer, bool create) {
    if (!layer) return nullptr;
    CQXPropertyManager* store = layer->GetPropertyManager();
    int id = 0;
    if (!store->GetBoolProperty(kSettingsKey, id) || id <= 0) {
        if (!create) return nullptr;
        id = ++LastId();
        store->SetBoolProperty(kSettingsKey, id);
    }
    auto it = Registry().find(id);
    if (it != Registry().end()) return &it->second;
    if (!create) return nullptr;
    return &Registry()[id];
}

void Changed(CQXLayer* layer, const char* operation, const std::string& arguments) {
    if (!layer) return;
    layer->ProChanged();
    parsnip::testing::Record(operation, layer, arguments);
}

QXLOGPEN LayerPen(CQXLayer* layer) {
    QXLOGPEN pen;
    if (layer) layer->GetLogPen(&pen);
    return pen;
}

QXLOGBRUSH LayerBrush(CQXLayer* layer) {
    QXLOGBRUSH brush;
    if (layer) layer->GetLogBrush(&brush);
    return brush;
}

QXLOGFONT LayerFont(CQXLayer* layer) {
    QXLOGFONT font;
    if (layer) layer->GetLogFont(&font);
    return font;
}

QXLOGPOINT LayerPoint(CQXLayer* layer) {
    QXLOGPOINT point;
    if (layer) layer->GetLogPoint(&point);
    return point;
}

void SetLayerPen(CQXLayer* layer, const QXLOGPEN& pen, const char* operation, const std::string& arguments) {
    if (!layer) return;
    layer->SetLogPen(&pen);
    Changed(layer, operation, arguments);
}

void SetLayerBrush(CQXLayer* layer, const QXLOGBRUSH& brush, const char* operation, const std::string& arguments) {
    if (!layer) return;
    layer->SetLogBrush(&brush);
    Changed(layer, operation, arguments);
}

void SetLayerFont(CQXLayer* layer, const QXLOGFONT& font, const char* operation, const std::string& arguments) {
    if (!layer) return;
    layer->SetLogFont(&font);
    Changed(layer, operation, arguments);
}

void SetLayerPoint(CQXLayer* layer, const QXLOGPOINT& point, const char* operation, const std::string& arguments) {
    if (!layer) return;
    layer->SetLogPoint(&point);
    Changed(layer, operation, arguments);
}

void GetDistributionTypes(LayerSettings* settings, CStringArray& types) {
    types.RemoveAll();
    for (const CString& type : Read<std::vector<CString>>(settings, "DistributionTypes", {})) types.Add(type);
}

void ClearSettings() { Registry().clear(); }

}  // namespace moraine::detail

namespace moraine::testing {

void Reset() {
    DropWellPathLines();
    detail::ClearSettings();
    kel::plane::CPlaneOption::Instance()->Reset();
}

void SetLayerStratum(CQXLayer* layer, int grade, const char* stratumName, const char* wellGroup) {
    detail::LayerSettings* settings = detail::SettingsOf(layer, true);
    if (!settings) return;
    settings->Set<int>("StratumGrade", grade);
    settings->Set<CString>("StratumName", CString(stratumName));
    settings->Set<CString>("WellGroup", CString(wellGroup));
}

void SetLayerText(CQXLayer* layer, const char* name, const char* text) {
    detail::LayerSettings* settings = detail::SettingsOf(layer, true);
    if (settings && name) settings->Set<CString>(name, CString(text));
}

void SetDistributionTypes(CQXLayer* layer, const std::vector<CString>& types) {
    detail::LayerSettings* settings = detail::SettingsOf(layer, true);
    if (settings) settings->Set<std::vector<CString>>("DistributionTypes", types);
}

}  // namespace moraine::testing
