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

// ---- perforation data ---------------------------------------------------------------------------
#include <memory>

#include "hostlibs/Zephyr/KitStore.h"

LogShootDIO* WDMgrIO::GetShoot(SHOOTSOURCE source, CString name) {
    Record("WDMgrIO::GetShoot", this, std::to_string(static_cast<int>(source)) + "," + std::string(name));
    for (const auto& set : m_shoot)
        if (set->GetKind() == source && set->GetName() == name) return set.get();
    m_shoot.push_back(std::make_unique<LogShootDIO>(source, name));
    m_shoot.back()->m_record = LOGSHOOT{source, name};
    return m_shoot.back().get();
}

bool WDMgrIO::FindData(LogShootDIO* data, LOGSHOOT& record) {
    if (!data) return false;
    for (const auto& set : m_shoot)
        if (set.get() == data) {
            record = data->m_record;
            return true;
        }
    return false;
}

LogShootDIO* CWpShoot::GetData() { return m_pData; }
void CWpShoot::SetData(LogShootDIO* data) { zephyr::detail::Store(this, m_pData, data, "CWpShoot::SetData"); }

SHOOTTYPE CWpShoot::GetSegType(int i) {
    if (i < 0 || i >= GetSegCount()) return SHOOT_TYPE_NONE;
    return i < static_cast<int>(m_segTypes.size()) ? m_segTypes[static_cast<size_t>(i)] : SHOOT_PERFORATION;
}

bool CWpShoot::SetSegType(int i, SHOOTTYPE type) {
    Record("CWpShoot::SetSegType", this, std::to_string(i) + "," + std::to_string(static_cast<int>(type)));
    if (i < 0 || i >= GetSegCount() || type < SHOOT_TYPE_OTHER || type > SHOOT_REPERFORATION) return false;
    if (static_cast<int>(m_segTypes.size()) <= i) m_segTypes.resize(static_cast<size_t>(i) + 1, SHOOT_PERFORATION);
    m_segTypes[static_cast<size_t>(i)] = type;
    zephyr::detail::Stamp(this);
    return true;
}
