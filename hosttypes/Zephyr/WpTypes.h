// Kinds and enumerations shared by the well-plot kits and their data objects. Each has int as its
// type, so a code the host hands beyond the named ones is still a value of it.
#pragma once

// The kit kind every kit answers from GetWpKitType(); the kit creator dispatches on it.
enum WPKITTYPE : int {
    WPKIT_BASE = 0,
    WPKIT_WELL = 1,
    WPKIT_INWELL = 2,
    WPKIT_TRACK = 3,
    WPKIT_DEPTH = 4,
    WPKIT_CONTENT = 5,
    WPKIT_CURVE = 6,
    WPKIT_RESULT = 7,
    WPKIT_OILTEST = 8,
    WPKIT_SEGMENT = 9,
    WPKIT_PICTURE = 10,
    WPKIT_PARAM = 11,  // answered by the kit library itself, not by a header member
    WPKIT_WATERENTRY = 12,
    WPKIT_TEXT = 13,
    WPKIT_LTHSAMPLE = 14,
    WPKIT_CORELITH = 15,
    WPKIT_SHOOT = 16,
    WPKIT_FACIES = 17,
    WPKIT_SAND = 18,
    WPKIT_SYMBLE = 19,
    WPKIT_STRATUM = 20,
    WPKIT_SANDSTRATUM = 21,
    WPKIT_SIDEWALLCORE = 22,  // answered by the kit library itself, not by a header member
    WPKIT_PROGRAM = 23,
    WPKIT_SYMBLETEXTURE = 24,
    WPKIT_SYMBLECYCLE = 25,
    WPKIT_SYMBLESHOOT = 26,
};

// Depth kind of a well's data (measured or vertical depth); a depth track also shows altitudes.
enum DepthType : int {
    DEPTH_MEASURED = 0,
    DEPTH_VERTICAL = 1,
    DEPTH_ALTITUDE = 2,
};

// How a well's shown depth range is given: by depths or by strata.
enum EnumDepthRangeType : int {
    DEPTH_RANGE_BY_DEPTH = 0,
    DEPTH_RANGE_BY_STRATUM = 1,
};

// Where a kit takes its data from.
enum DATATYPE : int {
    DATA_GRAPHIC = 0,
    DATA_WELL = 1,
    DATA_DISCRETE = 2,
    DATA_CORE_ANALYSIS = 3,
    DATA_POINT1 = 4,
    DATA_POINT2 = 5,
    DATA_POINT3 = 6,
};

// Stratum level (grade) 0 to 4; -1 asks for the kit's own (graphic) strata.
enum STRATUMTYPE : int {
    STRATUM_GRAPHIC = -1,
    STRATUM_LEVEL0 = 0,
    STRATUM_LEVEL1 = 1,
    STRATUM_LEVEL2 = 2,
    STRATUM_LEVEL3 = 3,
    STRATUM_LEVEL4 = 4,
};

// ---- interval kits ----
// Where a facies kit takes its facies from: graphic data, the boundaries or the data of a stratum
// level (1 to 5), or a discrete data set.
enum FACIESSOURCE : int {
    FACIES_GRAPHIC = 0,
    FACIES_LEVEL1_BOUNDARY = 1,
    FACIES_LEVEL5_BOUNDARY = 5,
    FACIES_LEVEL1_DATA = 6,
    FACIES_LEVEL5_DATA = 10,
    FACIES_DISCRETE = 11,
};

// Where a lithology kit's data comes from (the codes of CWpSegment::GetDataSource).
enum CORELITHSOURCE : int {
    CORELITH_GRAPHIC = 0,
    CORELITH_WELL = 1,
    CORELITH_DISCRETE = 2,
};
