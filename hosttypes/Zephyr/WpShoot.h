// CWpShoot: perforation intervals, with the production dates they were shot at.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hosttypes/Zephyr/LogShootMgrIO.h"
#include "hosttypes/Zephyr/WpSegment.h"

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

protected:
    std::unique_ptr<LogShootMgrIO> m_pShootMgr;
    std::string m_strStartDateTime;
    std::string m_strEndDateTime;
    std::vector<std::string> m_allDateTime;
};
