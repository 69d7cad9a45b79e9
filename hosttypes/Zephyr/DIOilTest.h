// CDIOilTest: the oil-test data object of a well: the names of its data fields.
#pragma once

#include <vector>

#include "mfc/String.h"

class CDIOilTest {
public:
    CDIOilTest();
    explicit CDIOilTest(std::vector<CString> fieldNames);
    ~CDIOilTest();

    int GetFieldCount();
    const std::vector<CString>& GetFieldNames();

protected:
    std::vector<CString> m_fieldNames;
};
