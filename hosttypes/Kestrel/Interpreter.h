// Records of the graph tool's drawing interpreter: an interpreter entry and a piece of a
// polygon under construction.
#pragma once

#include <vector>

#include "hosttypes/Parsnip/Geometry.h"
#include "mfc/String.h"

struct INTERPRETER {
    CString name;
    CString program;
    int type = 0;
};

struct POLYGONCREATORSEGMENT {
    std::vector<FLOATPOINT> points;
    int startIndex = 0;
    int endIndex = 0;
    int reversed = 0;
};
