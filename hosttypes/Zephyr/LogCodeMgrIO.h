// The code tables of the interval kits: the lithology code manager (colours, oil-bearing levels
// and lithology types, each entry with the name a kit stores and the label a list offers) and the
// facies-type manager. Their operations belong to the kit library.
#pragma once

#include <vector>

#include "mfc/String.h"

// One entry of a code table: its code, the name an interval stores and the label offered for it.
struct LOGCODEENTRY {
    int code = 0;
    CString name;
    CString label;
};

class LogCorelithMgrIO {
public:
    LogCorelithMgrIO() = default;
    LogCorelithMgrIO(const LogCorelithMgrIO&) = default;
    LogCorelithMgrIO& operator=(const LogCorelithMgrIO&) = default;
    virtual ~LogCorelithMgrIO() = default;

    // ---- kit library, in slot order; entries outside the table answer 0 and empty texts ----
    virtual int GetColthTypeCount();
    virtual int GetColorCount();
    virtual int GetCtOilCount();
    virtual CString GetColorEntryName(int k);
    virtual CString GetColorEntryLabel(int k);
    virtual CString GetCtOilEntryName(int k);
    virtual CString GetCtOilEntryLabel(int k);
    virtual int GetColthTypeEntryCode(int k);
    virtual CString GetColthTypeEntryName(int k);
    virtual CString GetColthTypeEntryLabel(int k);

    std::vector<LOGCODEENTRY> m_colors;
    std::vector<LOGCODEENTRY> m_ctOils;
    std::vector<LOGCODEENTRY> m_colthTypes;
};

class LogFaciesTypeMgrIO {
public:
    LogFaciesTypeMgrIO() = default;
    LogFaciesTypeMgrIO(const LogFaciesTypeMgrIO&) = default;
    LogFaciesTypeMgrIO& operator=(const LogFaciesTypeMgrIO&) = default;
    virtual ~LogFaciesTypeMgrIO() = default;

    // ---- kit library, in slot order; a name outside the table is the empty text ----
    virtual int GetFaciesTypeCount();
    virtual CString GetFaciesTypeName(int i);

    std::vector<CString> m_names;
};
