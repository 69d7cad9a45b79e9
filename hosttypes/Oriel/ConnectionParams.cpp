#include "hosttypes/Oriel/ConnectionParams.h"

CnParams::~CnParams() = default;
CnConnectionParams::~CnConnectionParams() = default;
CnPinchParams::~CnPinchParams() = default;
CnExtendParams::~CnExtendParams() = default;
