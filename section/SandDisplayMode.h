// Which sand units a section shows, as the sand pages offer it: 0 "全部", 1 "射开", 2 "连通".
#pragma once

#include "framework/FixedList.h"
#include "mfc/String.h"

// "" for a mode outside the three.
CString SandDisplayModeText(int mode);
// "射开" 1, "连通" 2, any other text -1: the callers map "全部" to 0 themselves.
int SandDisplayModeFromText(const CString& text);
// The "显示" list of the sand pages: "全部" is 0, any other text the mode SandDisplayModeFromText
// gives (-1 shows every sand unit and shows as an empty text); a mode taken shows as the refresh
// shows it.
CFixedListProp* NewSandDisplayList(const char* name, const char* description, DWORD_PTR id);
