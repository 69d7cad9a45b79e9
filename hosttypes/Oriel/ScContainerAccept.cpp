// Accept of the two section containers; the rest of the containers belongs to the section library.
#include "hosttypes/Oriel/CnConnection.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/ScControlerInterface.h"

SC_IMPLEMENT_ACCEPT(CnConnection)
SC_IMPLEMENT_ACCEPT(CrCorrelation)
