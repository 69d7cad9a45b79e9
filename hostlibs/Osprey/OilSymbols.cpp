// The oil-bearing symbols of the well data: the sample catalogue and the brush of a code.
#include <cstring>

#include "hostlibs/Osprey/WellDataTesting.h"
#include "hosttypes/Osprey/SymbolManager.h"
#include "win32/Text.h"

QXLOGBRUSH CSymbolManager::GetLogBrushByCode(const CString& code) const {
    for (const SYMBOLTYPE& symbol : m_symbols)
        if (code == symbol.name) return symbol.brush;
    return osprey::testing::DefaultOilFill();
}

namespace osprey::testing {

QXLOGBRUSH SolidBrush(COLORREF fill) {
    QXLOGBRUSH brush;
    brush.style = kBrushStyleSolid;
    brush.fillColor = fill;
    brush.lineColor = RGB(0, 0, 0);
    brush.backMode = kBackModeOpaque;
    return brush;
}

QXLOGBRUSH DefaultOilFill() { return SolidBrush(RGB(255, 255, 160)); }

SYMBOLTYPE MakeOilSymbol(int code, const char* name, const QXLOGBRUSH& brush) {
    SYMBOLTYPE symbol;
    symbol.code = code;
    text::CopyToField(symbol.name, kWellStyleNameSize, name ? name : "");
    symbol.brush = brush;
    return symbol;
}

void SetOilSymbols(CSymbolManager& symbols, const std::vector<SYMBOLTYPE>& catalogue) {
    symbols.SetArraySize(static_cast<int>(catalogue.size()));
    for (int i = 0; i < symbols.GetCount(); ++i) *symbols.GetData(i) = catalogue[static_cast<std::size_t>(i)];
}

std::vector<SYMBOLTYPE> SampleOilSymbols() {
    return {
        MakeOilSymbol(1, "油层", SolidBrush(RGB(255, 0, 0))),
        MakeOilSymbol(2, "气层", SolidBrush(RGB(255, 255, 0))),
        MakeOilSymbol(3, "水层", SolidBrush(RGB(0, 0, 255))),
        MakeOilSymbol(4, "油水同层", SolidBrush(RGB(255, 0, 255))),
        MakeOilSymbol(5, "干层", SolidBrush(RGB(160, 160, 160))),
    };
}

}  // namespace osprey::testing
