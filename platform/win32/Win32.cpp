#include "win32/Win32.h"

#include <sys/stat.h>

#include <cstring>
#include <map>
#include <string>

#include "driver/Responder.h"

BOOL PtInRect(const RECT* rect, POINT pt) {
    if (!rect) return FALSE;
    return (pt.x >= rect->left && pt.x < rect->right && pt.y >= rect->top && pt.y < rect->bottom) ? TRUE : FALSE;
}

BOOL IsRectEmpty(const RECT* rect) {
    return (!rect || rect->right <= rect->left || rect->bottom <= rect->top) ? TRUE : FALSE;
}

DWORD GetSysColor(int index) {
    // A classic grey scheme; fixed so that tests can expect exact values.
    switch (index) {
        case COLOR_SCROLLBAR: return RGB(200, 200, 200);
        case COLOR_BACKGROUND: return RGB(58, 110, 165);
        case COLOR_ACTIVECAPTION: return RGB(10, 36, 106);
        case COLOR_INACTIVECAPTION: return RGB(128, 128, 128);
        case COLOR_MENU: return RGB(212, 208, 200);
        case COLOR_WINDOW: return RGB(255, 255, 255);
        case COLOR_WINDOWFRAME: return RGB(0, 0, 0);
        case COLOR_MENUTEXT: return RGB(0, 0, 0);
        case COLOR_WINDOWTEXT: return RGB(0, 0, 0);
        case COLOR_CAPTIONTEXT: return RGB(255, 255, 255);
        case COLOR_HIGHLIGHT: return RGB(10, 36, 106);
        case COLOR_HIGHLIGHTTEXT: return RGB(255, 255, 255);
        case COLOR_BTNFACE: return RGB(212, 208, 200);
        case COLOR_BTNSHADOW: return RGB(128, 128, 128);
        case COLOR_GRAYTEXT: return RGB(128, 128, 128);
        case COLOR_BTNTEXT: return RGB(0, 0, 0);
        case COLOR_BTNHIGHLIGHT: return RGB(255, 255, 255);
        default: return RGB(192, 192, 192);
    }
}

UINT RegisterWindowMessage(const char* name) {
    static std::map<std::string, UINT> ids;
    const std::string key = name ? name : "";
    auto it = ids.find(key);
    if (it != ids.end()) return it->second;
    const UINT id = 0xC000u + static_cast<UINT>(ids.size());
    ids.emplace(key, id);
    return id;
}

int MessageBox(HWND owner, const char* text, const char* caption, UINT type) {
    return platform::Responder::Instance().AskMessageBox(owner, text, caption, type);
}

DWORD GetModuleFileNameA(HMODULE, char* buffer, DWORD size) {
    if (!buffer || size == 0) return 0;
    const std::string& path = platform::Responder::Instance().ExecutablePath();
    // Like the system call: the text is cut to size - 1 bytes and terminated.
    const DWORD n = static_cast<DWORD>(path.size() < size ? path.size() : size - 1);
    std::memcpy(buffer, path.data(), n);
    buffer[n] = '\0';
    return n;
}

namespace platform {
std::string LocalPath(const char* path) {
    std::string local(path ? path : "");
    for (char& c : local)
        if (c == '\\') c = '/';
    return local;
}
}  // namespace platform

DWORD GetFileAttributesA(const char* path) {
    struct stat st {};
    if (!path || ::stat(platform::LocalPath(path).c_str(), &st) != 0) return INVALID_FILE_ATTRIBUTES;
    return S_ISDIR(st.st_mode) ? 0x10u : 0x80u;
}
