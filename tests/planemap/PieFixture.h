// Reading the chart-symbol lists' rebuilt groups in tests.
#pragma once

#include <string>
#include <vector>

#include "bcg/Prop.h"
#include "driver/GridDriver.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Moraine/PieLayer.h"

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

// A map with a pie layer of the shape and property count.
struct PieWorld {
    parsnip::MapFixture map;
    CQXLayer* layer = map.AddLayer("饼图1", "饼图");
    kel::plane::CPieLayer pie{layer};
    PieWorld(int shape, int records) {
        pie.SetShapeType(shape);
        pie.SetRecordCount(records);
    }
};

}  // namespace pietest
