// CWpSymble: symbols placed on intervals, and its kinds: texture (bedding), cycle and
// perforation symbols. A CWpSymbleShoot is not a CWpShoot.
#pragma once

#include <string>
#include <vector>

#include "hosttypes/Zephyr/WpSegment.h"

class CWpSymble : public CWpSegment {
    DECLARE_DYNAMIC(CWpSymble)
public:
    CWpSymble();
    ~CWpSymble() override;
    WPKITTYPE GetWpKitType() override;

    std::string GetTableName();
    std::string GetFiledName();

protected:
    std::string m_strTableName;
    std::string m_strFiledName;
};

class CWpSymbleTexture : public CWpSymble {
    DECLARE_DYNAMIC(CWpSymbleTexture)
public:
    CWpSymbleTexture();
    ~CWpSymbleTexture() override;
    WPKITTYPE GetWpKitType() override;
};

class CWpSymbleCycle : public CWpSymble {
    DECLARE_DYNAMIC(CWpSymbleCycle)
public:
    CWpSymbleCycle();
    ~CWpSymbleCycle() override;
    WPKITTYPE GetWpKitType() override;
};

class CWpSymbleShoot : public CWpSymble {
    DECLARE_DYNAMIC(CWpSymbleShoot)
public:
    CWpSymbleShoot();
    ~CWpSymbleShoot() override;
    WPKITTYPE GetWpKitType() override;

    const std::string& GetStartDateTime();
    const std::string& GetEndDateTime();
    std::vector<std::string>& GetAllDateTime();
    bool IsFilter();

protected:
    std::string m_strStartDateTime;
    std::string m_strEndDateTime;
    std::vector<std::string> m_allDateTime;
    bool m_bFilter = false;
};
