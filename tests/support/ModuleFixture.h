// The test programs load the module as a host does: its image is mapped and its entry runs
// with process attach before the first test, and with detach after the last.
#pragma once

#include "win32/Win32.h"

namespace tsltest {

// The module image the test program attached.
HINSTANCE ModuleImage();

}  // namespace tsltest
