// Small enumerations the section library's interfaces pass around.
#pragma once

// How the wells of a section were picked: along a drawn line (1) or by projection (2).
enum EnumProfileType : int { PROFILE_NONE = 0, PROFILE_SEQUENCE = 1, PROFILE_PROJECTION = 2 };

// How the look-down map draws the shadow line of the wells.
enum ShadeMode : int { SHADE_NONE = 0, SHADE_BY_X = 1, SHADE_BY_Y = 2, SHADE_BEGIN_TO_END = 3 };

// What SetPosition of the look-down map keeps: 0 position and width, 1 height.
enum MAINTAINSTYLE : int { MAINTAIN_WIDTH = 0, MAINTAIN_HEIGHT = 1 };
