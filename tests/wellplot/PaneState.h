// What a user sees of a property list, one line an item: its identity, caption, text, and whether
// it is enabled, shown and expanded; last the selected item. A text a page refuses leaves all of it
// as it was but the refused item's own text, which the caller leaves out.
#pragma once

#include <sstream>
#include <string>

#include "bcg/PropList.h"
#include "driver/GridDriver.h"

namespace wptest {

inline std::string PaneState(CBCGPPropList& list, const CBCGPProp* textLeftOut = nullptr) {
    std::ostringstream out;
    for (CBCGPProp* item : platform::GridDriver(&list).AllItems()) {
        const platform::GridDriver::ItemInfo info = platform::GridDriver::Info(item);
        out << item << ' ' << info.name << " = " << (item == textLeftOut ? std::string("*") : info.value)
            << (info.enabled ? "" : " disabled") << (info.shown ? "" : " hidden") << (info.expanded ? "" : " collapsed")
            << '\n';
    }
    out << "selected " << list.GetCurSel() << '\n';
    return out.str();
}

}  // namespace wptest
