#include "hosttypes/Oriel/ScObjInterface.h"

#include "hosttypes/Tinder/TimeStamp.h"

// Defined with the library rather than with the header members: it reads the utility
// library's clock.
void ScObjInterface::ProChanged() { m_nTimeStamp = AfxGetTimeStamp(); }
