// Kit-library operations of the perforation kit and its perforation manager. The manager's
// setters log themselves on the manager; a refused style changes nothing.
#include <string>

#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/LogShootMgrIO.h"
#include "hosttypes/Zephyr/WpShoot.h"

using zephyr::detail::Record;

UINT* LogShootMgrIO::GetShootSymbol() { return &m_nShootSymbol; }
UINT* LogShootMgrIO::GetReShootSymbol() { return &m_nReShootSymbol; }

bool LogShootMgrIO::SetShootSymbol(UINT style) {
    Record("LogShootMgrIO::SetShootSymbol", this, std::to_string(style));
    if (style >= kStyleCount) return false;
    m_nShootSymbol = style;
    return true;
}

bool LogShootMgrIO::SetReShootSymbol(UINT style) {
    Record("LogShootMgrIO::SetReShootSymbol", this, std::to_string(style));
    if (style >= kStyleCount) return false;
    m_nReShootSymbol = style;
    return true;
}

LogShootMgrIO* CWpShoot::GetShootMgr() { return m_pShootMgr.get(); }
void CWpShoot::SetShootMgr(LogShootMgrIO* mgr) { m_pShootMgr.reset(mgr); }
