#include "hostlibs/Osprey/SampleSymbols.h"

#include <iterator>

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
// Oil-gas-water symbols: solid brushes.
const SampleSymbol kOilSymbols[] = {
    {"油层", 1, RGB(255, 0, 0)},
    {"气层", 2, RGB(255, 255, 0)},
    {"水层", 3, RGB(0, 0, 255)},
    {"油水同层", 4, RGB(255, 0, 255)},
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
    CSymbolManager* oil = manager.GetOilSymbolManager();
    oil->SetArraySize(static_cast<int>(std::size(kOilSymbols)));
    for (int i = 0; i < oil->GetCount(); ++i) {
        SYMBOLTYPE* entry = oil->GetData(i);
        text::CopyToField(entry->name, kWellStyleNameSize, kOilSymbols[i].name);
        entry->code = kOilSymbols[i].code;
        entry->brush.style = 1001;
        entry->brush.fillColor = kOilSymbols[i].color;
    }
}
