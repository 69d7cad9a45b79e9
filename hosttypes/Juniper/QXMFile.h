// CQXMFile: a file read whole into memory, read and written from a current position.
#pragma once

#include <vector>

#include "mfc/String.h"
#include "win32/Win32.h"

class CQXMFile {
public:
    CQXMFile() = default;
    CQXMFile(const CQXMFile&) = default;
    CQXMFile& operator=(const CQXMFile&) = default;
    virtual ~CQXMFile() = default;

    CString m_strFileName;
    std::vector<BYTE> m_buffer;
    std::size_t m_nPosition = 0;
};
