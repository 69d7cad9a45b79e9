// Records of the map well graphs: a text with its background, an icon kind, and an icon position.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "mfc/String.h"

struct TEXTDATA {
    CString text;
    QXLOGBRUSH brush;
    int align = 0;
    int direction = 0;
};

struct ICONTYPE {
    int type = 0;
    QXLOGBRUSH brush;
};

// An icon not yet placed sits at the "no position" mark.
constexpr double kNoIconPosition = -999999.0;
struct POTICON {
    double x = kNoIconPosition;
    double y = kNoIconPosition;
};
