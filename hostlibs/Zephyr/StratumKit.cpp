// Kit-library operations of the stratum kit and its data sets in the well data, and the kits'
// data-changed notification. Setters log themselves with their kit and renew its stamp.
#include <memory>
#include <string>

#include "hostlibs/Zephyr/KitStore.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpStratum.h"

using zephyr::detail::Record;
using zephyr::detail::Store;

void CWpKit::OnDataChanged() { Record("CWpKit::OnDataChanged", this); }

namespace {

LogStratum2DIO* FindStratum2(const std::vector<std::unique_ptr<LogStratum2DIO>>& sets, int type, const CString& name) {
    for (const auto& set : sets)
        if (set->GetKind() == type && set->GetName() == name) return set.get();
    return nullptr;
}

}  // namespace

LogStratum2DIO* WDMgrIO::AddStratum2(int type, CString name) {
    LogStratum2DIO* set = FindStratum2(m_stratum2, type, name);
    if (!set) {
        m_stratum2.push_back(std::make_unique<LogStratum2DIO>(type, name));
        set = m_stratum2.back().get();
    }
    set->m_record.name = name;
    set->m_record.type = type;
    return set;
}

LogStratum2DIO* WDMgrIO::GetStratum2(STRATUMTYPE type, CString name) {
    Record("WDMgrIO::GetStratum2", this, std::to_string(static_cast<int>(type)) + "," + std::string(name));
    if (LogStratum2DIO* set = FindStratum2(m_stratum2, type, name)) return set;
    return AddStratum2(type, name);
}

bool WDMgrIO::FindData(LogStratum2DIO* data, LOGSTRATUM2& record) {
    if (!data) return false;
    for (const auto& set : m_stratum2)
        if (set.get() == data) {
            record = data->m_record;
            return true;
        }
    return false;
}

LogStratum2DIO* CWpStratum::GetData() { return m_pData; }
void CWpStratum::SetData(LogStratum2DIO* data) { Store(this, m_pData, data, "CWpStratum::SetData"); }
void CWpStratum::SetTableName(const std::string& name) { Store(this, m_strTableName, name, "CWpStratum::SetTableName"); }
void CWpStratum::SetFiledName(const std::string& name) { Store(this, m_strFiledName, name, "CWpStratum::SetFiledName"); }
bool CWpStratum::IsStratumNameShowed() { return m_bStratumNameShow; }
void CWpStratum::ShowStratumName(bool show) { Store(this, m_bStratumNameShow, show, "CWpStratum::ShowStratumName"); }
QXLOGFONT& CWpStratum::GetSNFont() { return m_snFont; }
bool CWpStratum::IsBkColorUsed() { return m_bBkColorUsed; }
void CWpStratum::UseBkColor(bool use) { Store(this, m_bBkColorUsed, use, "CWpStratum::UseBkColor"); }

CString CWpStratum::GetStratumName(int i) {
    if (i < 0 || i >= GetSegCount() || i >= static_cast<int>(m_stratumNames.size())) return CString();
    return m_stratumNames[static_cast<size_t>(i)];
}

void CWpStratum::SetStratumName(int i, const CString& name) {
    if (i < 0 || i >= GetSegCount()) return;
    if (static_cast<int>(m_stratumNames.size()) <= i) m_stratumNames.resize(static_cast<size_t>(i) + 1);
    m_stratumNames[static_cast<size_t>(i)] = name;
}
