// CWpShoot: perforation intervals, with the production dates they were shot at.
#pragma once

#include <string>
#include <vector>

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

protected:
    std::string m_strStartDateTime;
    std::string m_strEndDateTime;
    std::vector<std::string> m_allDateTime;
};
