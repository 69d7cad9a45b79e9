#include "hosttypes/Zephyr/WpWaterEntry.h"

WPKITTYPE CWpWaterEntry::GetWpKitType() { return WPKIT_WATERENTRY; }

WPKITTYPE CWpProgram::GetWpKitType() { return WPKIT_PROGRAM; }
