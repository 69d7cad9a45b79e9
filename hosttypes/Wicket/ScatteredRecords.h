// Records of the scattered-data library: a point found by a search, and one step of a contour scale.
#pragma once

#include "hosttypes/Kestrel/StyleRecords.h"
#include "win32/Win32.h"

// The nearest point found so far: no point yet, at the largest distance a float holds.
struct SCATTEREDPOINTINDEX {
    int index = -1;
    double value = kFltMax;
};

struct CONTOURSTEPVALUE {
    double value = 0.0;
    int count = 0;
    QXLOGPEN pen;
    QXLOGBRUSH brush;
    double size = 5.0;  // label size
    BYTE lineVisible = 1;
    BYTE fillVisible = 1;
    BYTE labelVisible = 0;
    BYTE selected = 0;
};
