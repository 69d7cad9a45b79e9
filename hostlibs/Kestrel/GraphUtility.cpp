#include "hosttypes/Kestrel/GraphUtility.h"

#include <cmath>

double CGraphUtility::TwoPointDistance(FLOATPOINT& p1, FLOATPOINT& p2) { return std::hypot(p2.x - p1.x, p2.y - p1.y); }

double CGraphUtility::rotateangle(FLOATPOINT& centre, FLOATPOINT& from, FLOATPOINT& to) {
    const double tx = to.x - centre.x;
    const double ty = to.y - centre.y;
    if (tx == 0 && ty == 0) return 0;
    const double fx = from.x - centre.x;
    const double fy = from.y - centre.y;
    const double start = (fx == 0 && fy == 0) ? 0.0 : std::atan2(fy, fx);
    // Turn from the start direction to the end direction, folded into (-pi, pi].
    const double pi = std::acos(-1.0);
    double turn = std::atan2(ty, tx) - start;
    if (turn > pi)
        turn -= 2 * pi;
    else if (turn <= -pi)
        turn += 2 * pi;
    return turn;
}
