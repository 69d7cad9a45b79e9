// kel::plane::CPlaneUtility: geometry services of the plane-map library. The stand-in does not
// offer them yet (building well trajectories needs the well data of a project).
#pragma once

namespace kel::plane {

class CPlaneUtility {};

}  // namespace kel::plane
