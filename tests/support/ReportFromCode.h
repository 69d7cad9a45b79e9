// A change reported from code, as a host or a script may make it: the item takes the value without
// judging it, then the grid tells its owner of the change.
#pragma once

#include "bcg/PropList.h"
#include "mfc/Variant.h"

namespace tsltest {

inline void ReportFromCode(CBCGPPropList& grid, CBCGPProp* item, const _variant_t& value) {
    item->SetValue(value);
    grid.OnPropertyChanged(item);
}

}  // namespace tsltest
