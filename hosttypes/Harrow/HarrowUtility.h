// CHarrowUtility: the map-core library's file services.
#pragma once

#include <string>
#include <vector>

#include "mfc/String.h"

class CHarrowUtility {
public:
    // ---- map-core library operations ----
    // The plane maps of a folder: the name of every file "<name>.LVN" in it (no sub-folders), in
    // byte order of the names, appended to names; the count found. A folder that does not exist
    // or cannot be read gives none.
    static int FindFile(const CString& folder, std::vector<std::string>& names);
};
