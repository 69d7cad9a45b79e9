#include "hosttypes/Zephyr/WpKit.h"

WPKITTYPE CWpKit::GetWpKitType() { return WPKIT_BASE; }
