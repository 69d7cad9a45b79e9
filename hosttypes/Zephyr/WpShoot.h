// CWpShoot: perforation intervals, with the production dates they were shot at.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hosttypes/Zephyr/LogShootMgrIO.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpSegment.h"

// Type of a perforation interval: 1 unknown, 2 perforation, 3 re-perforation.
enum SHOOTTYPE : int { SHOOT_TYPE_NONE = 0, SHOOT_TYPE_OTHER = 1, SHOOT_PERFORATION = 2, SHOOT_REPERFORATION = 3 };

class CWpShoot : public CWpSegment {
    DECLARE_DYNAMIC(CWpShoot)
public:
    CWpShoot();
    ~CWpShoot() override;
    WPKITTYPE GetWpKitType() override;

    const std::string& GetStartDateTime();
    const std::string& GetEndDateTime();
    std::vector<std::string>& GetAllDateTime();

    // ---- kit library ----
    // The kit's perforation manager; NULL when it has none.
    LogShootMgrIO* GetShootMgr();
    // Set-up: gives the kit a manager (it owns it) or takes it away (NULL).
    void SetShootMgr(LogShootMgrIO* mgr);

    LogShootDIO* GetData();
    void SetData(LogShootDIO* data);
    // The interval's type; SHOOT_TYPE_NONE outside the intervals.
    SHOOTTYPE GetSegType(int i);
    // False, nothing changed, for an index outside the intervals or a type other than 1 to 3.
    bool SetSegType(int i, SHOOTTYPE type);

protected:
    std::unique_ptr<LogShootMgrIO> m_pShootMgr;
    LogShootDIO* m_pData = nullptr;
    std::vector<SHOOTTYPE> m_segTypes;
    std::string m_strStartDateTime;
    std::string m_strEndDateTime;
    std::vector<std::string> m_allDateTime;
};
