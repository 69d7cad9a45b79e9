// CGeneralDataManager: the general-data library's one manager of point and interval data sets,
// and CMutiColPtDataManager, the manager of its multi-column point data sets.
#pragma once

#include <memory>
#include <vector>

#include "hosttypes/Rivet/MutiColPtData.h"
#include "mfc/String.h"

namespace rivet::detail {
struct Access;
}  // namespace rivet::detail

class CMutiColPtDataManager {
public:
    CMutiColPtDataManager() = default;
    CMutiColPtDataManager(const CMutiColPtDataManager&) = delete;
    CMutiColPtDataManager& operator=(const CMutiColPtDataManager&) = delete;
    virtual ~CMutiColPtDataManager() = default;

    // ---- general-data library operations ----
    int GetCount() const;
    // Empty text and NULL outside 0 .. count - 1.
    CString GetName(int i) const;
    CMutiColPtData* GetData(int i);
    // The set of exactly that name, or NULL.
    CMutiColPtData* GetData(const char* name);
    // Adds a set (a set of the same name is replaced in place, so the sets stay as many as their names).
    CMutiColPtData* Add(const CMutiColPtData& data);

protected:
    std::vector<std::unique_ptr<CMutiColPtData>> m_sets;
};

class CGeneralDataManager {
public:
    // ---- general-data library operations ----
    static CGeneralDataManager* Instance();
    // The manager of the column-point data sets; NULL when the project has none.
    CMutiColPtDataManager* GetColPtDataManager();

    CGeneralDataManager();
    CGeneralDataManager(const CGeneralDataManager&) = delete;
    CGeneralDataManager& operator=(const CGeneralDataManager&) = delete;
    virtual ~CGeneralDataManager();

protected:
    friend struct rivet::detail::Access;
    std::unique_ptr<CMutiColPtDataManager> m_pColPtDataManager;
};
