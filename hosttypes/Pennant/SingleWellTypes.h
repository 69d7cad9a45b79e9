// Enumerations of the single-well section library.
#pragma once

// How the well path is drawn.
enum WELLPATHSTYLE : int { WELLPATH_STRAIGHT = 0, WELLPATH_INCLINED = 1 };

// Where neighbouring units join: on the well-track centre line (0) or on the well column (1).
enum LapJointType : int { LAPJOINT_TRACK_CENTRE = 0, LAPJOINT_WELL_COLUMN = 1 };

// What bounds the displayed range: depths (0) or strata (1).
enum EnumDepthType : int { DEPTHTYPE_BY_DEPTH = 0, DEPTHTYPE_BY_STRATUM = 1 };

// What the well's depths are: measured (0), vertical (1) or elevation (2) depths.
enum DepthDataType : int { DEPTHDATA_MEASURED = 0, DEPTHDATA_VERTICAL = 1, DEPTHDATA_ELEVATION = 2 };
