#include "hosttypes/Pennant/SglWellAdapter.h"

#include "hosttypes/Oriel/ScControlerInterface.h"

SC_IMPLEMENT_ACCEPT(CSglWellAdapter)
