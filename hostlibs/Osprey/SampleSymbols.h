// The sample lithologies and oil-gas-water symbols a new well-data manager holds.
#pragma once

class CWellDataManager;

namespace osprey::detail {
void LoadSampleSymbols(CWellDataManager& manager);
}  // namespace osprey::detail
