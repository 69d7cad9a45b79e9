// CScatteredFunc: helpers of the scattered-data library for the distributions it draws on plane
// maps (scattered-attribute, oil-water and region distributions) and for showing numbers.
#pragma once

#include "mfc/String.h"

class CQXMap;
class CQXLayer;

// Suffix that names a distribution's boundary-line layer after its zone layer: the zones of
// "沙二1油水" lie in the layer "沙二1油水", their boundary lines in "沙二1油水边界线".
inline constexpr const char* kBoundaryLineLayerSuffix = "边界线";

class CScatteredFunc {
public:
    // ---- scattered-data library operations ----
    // The layer of map that holds the boundary lines of the distribution whose zone layer is
    // named layerName: the layer named layerName + kBoundaryLineLayerSuffix. NULL when map is
    // NULL, layerName is empty or the map has no such layer.
    static CQXLayer* GetLine_Layer(CQXMap* map, CString layerName);
    // Drops the trailing zeros of a formatted decimal number, and its point when nothing is left
    // after it ("1.50" -> "1.5", "2.00" -> "2", "1.500e+03" -> "1.5e+03"). Integers ("100") and
    // texts that are not such a number stay as they are; a zero shows "0", never "-0".
    static void TruncFloatString(CString& text);
};
