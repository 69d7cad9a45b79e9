#include "hosttypes/Halyard/Reservoir.h"

#include "hosttypes/Oriel/ScControlerInterface.h"

namespace KelReservoir::Connection {

SC_IMPLEMENT_ACCEPT(CkelReservoir)

}  // namespace KelReservoir::Connection
