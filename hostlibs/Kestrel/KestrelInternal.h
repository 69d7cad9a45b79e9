// Shared inside the graph-tool library stand-in only.
#pragma once

#include "hosttypes/Kestrel/GraphStyleManager.h"

namespace kestrel::detail {

// The drawing pattern the catalogue gives a style, fallback for a style it does not list.
inline int PatternOf(const CGraphStyleManager* catalogue, UINT id, int fallback) {
    const CGraphStyle* style = catalogue ? catalogue->FindStyle(id) : nullptr;
    return style ? style->GetPattern() : fallback;
}

// Rebuilds the stock line, fill and point catalogues.
void LoadStockCatalogues();

}  // namespace kestrel::detail
