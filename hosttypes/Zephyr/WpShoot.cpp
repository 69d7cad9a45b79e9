#include "hosttypes/Zephyr/WpShoot.h"

WPKITTYPE CWpShoot::GetWpKitType() { return WPKIT_SHOOT; }
const std::string& CWpShoot::GetStartDateTime() { return m_strStartDateTime; }
const std::string& CWpShoot::GetEndDateTime() { return m_strEndDateTime; }
std::vector<std::string>& CWpShoot::GetAllDateTime() { return m_allDateTime; }
