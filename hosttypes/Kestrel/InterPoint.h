// INTERPOINT: a point of an interpolated line with the direction in which it is traced.
#pragma once

struct INTERPOINT {
    double x = 0.0;
    double y = 0.0;
    double value = 0.0;
    int direction = 0;  // 2: left to right, 20: right to left

    INTERPOINT() = default;
    INTERPOINT(const INTERPOINT&) = default;
    INTERPOINT& operator=(const INTERPOINT&) = default;

    void SetLeftToRight(int leftToRight) { direction = leftToRight ? 2 : 20; }
    // Codes below ten, and codes whose low byte has bit 1 but not bit 3, run left to right.
    int GetLeftToRight() const { return (direction / 10 == 0 || ((direction & 0xFF) & 0x0A) == 2) ? 1 : 0; }
};
