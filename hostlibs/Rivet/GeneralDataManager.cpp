#include "hosttypes/Rivet/GeneralDataManager.h"

#include "hostlibs/Rivet/RivetTesting.h"

namespace rivet::detail {
struct Access {
    static std::unique_ptr<CMutiColPtDataManager>& ColPt(CGeneralDataManager& manager) {
        return manager.m_pColPtDataManager;
    }
};
}  // namespace rivet::detail

namespace {

std::unique_ptr<CGeneralDataManager>& Current() {
    static std::unique_ptr<CGeneralDataManager> manager;
    return manager;
}

}  // namespace

// ---- data sets ------------------------------------------------------------------------------
const std::vector<CString>& CMutiColPtData::GetValNames() const { return m_valNames; }
const std::vector<BYTE>& CMutiColPtData::GetType() const { return m_types; }
BOOL CMutiColPtData::IsSegmentData() const { return m_bSegmentData; }

int CMutiColPtDataManager::GetCount() const { return static_cast<int>(m_sets.size()); }

CString CMutiColPtDataManager::GetName(int i) const {
    return i >= 0 && i < GetCount() ? m_sets[static_cast<size_t>(i)]->m_strName : CString();
}

CMutiColPtData* CMutiColPtDataManager::GetData(int i) {
    return i >= 0 && i < GetCount() ? m_sets[static_cast<size_t>(i)].get() : nullptr;
}

CMutiColPtData* CMutiColPtDataManager::GetData(const char* name) {
    if (!name) return nullptr;
    for (const auto& set : m_sets)
        if (set->m_strName == name) return set.get();
    return nullptr;
}

CMutiColPtData* CMutiColPtDataManager::Add(const CMutiColPtData& data) {
    if (CMutiColPtData* same = GetData(data.m_strName.GetString())) {
        *same = data;
        return same;
    }
    m_sets.push_back(std::make_unique<CMutiColPtData>(data));
    return m_sets.back().get();
}

// ---- manager --------------------------------------------------------------------------------
CGeneralDataManager::CGeneralDataManager() : m_pColPtDataManager(std::make_unique<CMutiColPtDataManager>()) {
    m_pColPtDataManager->Add(rivet::testing::MakeColPtData("孔隙度", {"POR", "PERM", "解释"}, {1, 1, 0}, false));
    m_pColPtDataManager->Add(
        rivet::testing::MakeColPtData("试油成果", {"结论", "日产油", "日产水"}, {0, 1, 1}, true));
}

CGeneralDataManager::~CGeneralDataManager() = default;

CGeneralDataManager* CGeneralDataManager::Instance() {
    if (!Current()) Current() = std::make_unique<CGeneralDataManager>();
    return Current().get();
}

CMutiColPtDataManager* CGeneralDataManager::GetColPtDataManager() { return m_pColPtDataManager.get(); }

// ---- test hooks -----------------------------------------------------------------------------
namespace rivet::testing {

void Reset() { Current().reset(); }

void SetColPtData(const std::vector<CMutiColPtData>& sets) {
    auto& manager = detail::Access::ColPt(*CGeneralDataManager::Instance());
    manager = std::make_unique<CMutiColPtDataManager>();
    for (const CMutiColPtData& set : sets) manager->Add(set);
}

void RemoveColPtDataManager() { detail::Access::ColPt(*CGeneralDataManager::Instance()).reset(); }

CMutiColPtData MakeColPtData(const char* name, const std::vector<CString>& valNames, const std::vector<BYTE>& types,
                             bool segment) {
    CMutiColPtData data;
    data.m_strName = name;
    data.m_valNames = valNames;
    data.m_types = types;
    data.m_types.resize(valNames.size(), 0);
    data.m_bSegmentData = segment ? TRUE : FALSE;
    return data;
}

}  // namespace rivet::testing
