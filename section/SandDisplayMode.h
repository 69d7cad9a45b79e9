// Which sand units a section shows, as the sand pages offer it: 0 "全部", 1 "射开", 2 "连通".
#pragma once

#include "mfc/String.h"

// "" for a mode outside the three.
CString SandDisplayModeText(int mode);
// "射开" 1, "连通" 2, any other text -1: the callers map "全部" to 0 themselves.
int SandDisplayModeFromText(const CString& text);
