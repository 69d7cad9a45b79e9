// CTableInformation: what the database utilities know of one database table. The catalogue
// table object itself belongs to the database provider, which does not exist here: the
// object only holds the pointer it is given.
#pragma once

#include <vector>

#include "mfc/String.h"

namespace ADOX {
struct Table;  // the provider's catalogue table
}

class CTableInformation {
public:
    CTableInformation() = default;
    CTableInformation(const CTableInformation&) = default;
    CTableInformation& operator=(const CTableInformation&) = default;
    virtual ~CTableInformation() = default;

    void SetTable(ADOX::Table* table) { m_pTable = table; }
    ADOX::Table* GetTable() const { return m_pTable; }

    CString m_strName;
    std::vector<CString> m_columnNames;

protected:
    ADOX::Table* m_pTable = nullptr;
};
