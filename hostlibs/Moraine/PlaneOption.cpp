#include "hosttypes/Moraine/PlaneOption.h"

namespace kel::plane {

CPlaneOption* CPlaneOption::Instance() {
    static CPlaneOption option;
    return &option;
}

void CPlaneOption::Reset() { *this = CPlaneOption(); }

}  // namespace kel::plane
