// Enumerations of the section library's connection model. The numbering is the library's; the
// module only passes these values on and compares the ones named here.
#pragma once

// How the connections between two wells are calculated.
enum ConnectionCalculateType : int {
    CON_CAL_NORMAL = 0,
    CON_CAL_PINCHOUT = 1,
    CON_CAL_EXTEND = 2,
};

// The kind of connection group a pinch-out creator builds.
enum ConnectionGroupType : int {
    CON_GROUP_NORMAL = 0,
    CON_GROUP_PINCHOUT = 1,
    CON_GROUP_RIVER = 2,
    CON_GROUP_SANDDAM = 3,
};

// The facies of a sand body; 2 is a river channel.
enum FACIESSTYLE : int {
    FACIES_NONE = 0,
    FACIES_NORMAL = 1,
    FACIES_RIVER = 2,
};

// What a sand fill shows: a facies, lithology or oil-gas-water symbol, a plain fill, a fill of
// its own or nothing; the fill-type table of the sand pages has entries 0 to 5.
enum SymbolFillType : int {
    SYMFILL_FACIES = 0,
    SYMFILL_LITH = 1,
    SYMFILL_OIL = 2,
    SYMFILL_SINGLE = 3,
    SYMFILL_CUSTOM = 4,
    SYMFILL_NONE = 5,
    // The flow-unit code of a reservoir's sands; the sand pages show no type for it.
    SYMFILL_UNIT = 6,
};

// The well data a connection is built from.
enum WellDataType : int {
    WELLDATA_SAND = 0,
    WELLDATA_SHALE = 1,
};
