#include "hosttypes/Zephyr/WpSymble.h"

WPKITTYPE CWpSymble::GetWpKitType() { return WPKIT_SYMBLE; }
std::string CWpSymble::GetTableName() { return m_strTableName; }
std::string CWpSymble::GetFiledName() { return m_strFiledName; }

WPKITTYPE CWpSymbleTexture::GetWpKitType() { return WPKIT_SYMBLETEXTURE; }

WPKITTYPE CWpSymbleCycle::GetWpKitType() { return WPKIT_SYMBLECYCLE; }

WPKITTYPE CWpSymbleShoot::GetWpKitType() { return WPKIT_SYMBLESHOOT; }
const std::string& CWpSymbleShoot::GetStartDateTime() { return m_strStartDateTime; }
const std::string& CWpSymbleShoot::GetEndDateTime() { return m_strEndDateTime; }
std::vector<std::string>& CWpSymbleShoot::GetAllDateTime() { return m_allDateTime; }
bool CWpSymbleShoot::IsFilter() { return m_bFilter; }
