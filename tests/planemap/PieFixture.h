// Reading the chart-symbol lists' rebuilt groups in tests.
#pragma once

#include <string>
#include <vector>

#include "bcg/Prop.h"
#include "driver/GridDriver.h"

namespace pietest {

// The labels of a group's sub-items, in order.
inline std::vector<std::string> SubItemNames(CBCGPProp* group) {
    std::vector<std::string> names;
    for (int i = 0; group && i < group->GetSubItemsCount(); ++i)
        names.push_back(group->GetSubItem(i)->GetName().GetString());
    return names;
}

// The options an item offers.
inline std::vector<std::string> Options(CBCGPProp* item) { return platform::GridDriver::Info(item).options; }

}  // namespace pietest
