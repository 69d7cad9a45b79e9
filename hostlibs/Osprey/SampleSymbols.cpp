#include "hostlibs/Osprey/SampleSymbols.h"

#include <iterator>

#include "hostlibs/Osprey/WellDataTesting.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "win32/Text.h"

namespace {

struct SampleSymbol {
    const char* name;
    int code;
    COLORREF color;
};

// Lithologies: symbol brushes (style 1000 + code) 10 mm wide.
const SampleSymbol kLithologies[] = {
    {"砂岩", 1, RGB(255, 255, 0)},
    {"粉砂岩", 2, RGB(220, 200, 120)},
    {"泥岩", 3, RGB(128, 128, 128)},
};

}  // namespace

void osprey::detail::LoadSampleSymbols(CWellDataManager& manager) {
    CLithTypeManager* lith = manager.GetLithTypeManager();
    lith->SetLithSize(static_cast<int>(std::size(kLithologies)));
    for (int i = 0; i < lith->GetLithCount(); ++i) {
        LITHOLOGY& entry = lith->GetLithArray()[i];
        text::CopyToField(entry.name, kWellStyleNameSize, kLithologies[i].name);
        entry.code = kLithologies[i].code;
        entry.brush.style = kDefaultLithologyStyle + static_cast<UINT>(kLithologies[i].code);
        entry.brush.fillColor = kLithologies[i].color;
    }
    // Oil-gas-water symbols: one sample catalogue, also what tests install again.
    osprey::testing::SetOilSymbols(*manager.GetOilSymbolManager(), osprey::testing::SampleOilSymbols());
}
