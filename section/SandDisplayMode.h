// Which sand units a section shows, as the sand pages offer it: 0 "全部", 1 "射开", 2 "连通".
#pragma once

#include "framework/FixedList.h"
#include "mfc/String.h"

// "" for a mode outside the three.
CString SandDisplayModeText(int mode);
// The "显示" list of the sand pages: the three modes; any other text is -1, which shows every sand
// unit and shows as an empty text.
CFixedListProp* NewSandDisplayList(const char* name, const char* description, DWORD_PTR id);
