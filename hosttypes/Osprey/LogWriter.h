// CLogWriter: the messages of a well-data import, collected in order for the import report.
#pragma once

#include <vector>

#include "mfc/String.h"

class CLogWriter {
public:
    CLogWriter() = default;
    CLogWriter(const CLogWriter&) = default;
    CLogWriter& operator=(const CLogWriter&) = default;
    virtual ~CLogWriter() = default;

    CString m_strFileName;
    std::vector<CString> m_lines;
};
