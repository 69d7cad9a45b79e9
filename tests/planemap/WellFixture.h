// A map with a well layer, for the well and stratum-section page tests.
#pragma once

#include "hostlibs/Parsnip/MapFixture.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"

namespace welltest {

struct WellWorld {
    parsnip::MapFixture map;
    CQXLayer* wells = map.AddLayer("井位", "井位");
    // The well-row base line the references and offsets are measured from.
    CQXObjectPolyline* AddBaseLine() { return map.AddPolyline("井排基线", {{0, 0}, {9, 0}}, wells); }
};

}  // namespace welltest
