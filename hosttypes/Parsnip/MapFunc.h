// CMapFunc: helpers of the map-graphics library that work on whole maps and layer names.
#pragma once

#include "mfc/String.h"

class CQXMap;

class CMapFunc {
public:
    // The stratum the map shows: true with its grade and name, false (outputs untouched) when
    // the map shows none or map is NULL.
    static bool GetStratum(CQXMap* map, int& grade, CString& name);
    // The name of the fill layer that belongs to a contour-line layer: a trailing "线" becomes
    // "填充" ("等值线" -> "等值填充"); any other non-empty name gets "填充" appended; "" stays "".
    static CString LineFILL_2_Fill_Layer(CString lineLayerName);
};
