// LogShootMgrIO: the perforation manager of a perforation kit: the point styles it draws a
// perforation and a re-perforation with. Its operations after the first are unnamed in the kit
// library; they are named here in slot order.
#pragma once

#include "win32/Win32.h"

class LogShootMgrIO {
public:
    LogShootMgrIO() = default;
    LogShootMgrIO(const LogShootMgrIO&) = delete;
    LogShootMgrIO& operator=(const LogShootMgrIO&) = delete;
    virtual ~LogShootMgrIO() = default;

    // ---- kit library, in slot order ----
    virtual UINT* GetShootSymbol();
    virtual UINT* GetReShootSymbol();
    // False, nothing changed, for a style number the point styles do not hold.
    virtual bool SetShootSymbol(UINT style);
    virtual bool SetReShootSymbol(UINT style);

    // Point style numbers the manager takes: 0 to kStyleCount - 1.
    static constexpr UINT kStyleCount = 256;

protected:
    UINT m_nShootSymbol = 0;
    UINT m_nReShootSymbol = 1;
};
