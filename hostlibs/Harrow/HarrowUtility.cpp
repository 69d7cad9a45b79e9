#include "hosttypes/Harrow/HarrowUtility.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>

#include "win32/Win32.h"

namespace {
const char kPlaneMapExtension[] = ".LVN";
constexpr std::size_t kExtensionLength = sizeof(kPlaneMapExtension) - 1;
}  // namespace

int CHarrowUtility::FindFile(const CString& folder, std::vector<std::string>& names) {
    const std::string path = platform::LocalPath(folder.GetString());
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return 0;
    std::vector<std::string> found;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string file = entry->d_name;
        if (file.size() <= kExtensionLength ||
            file.compare(file.size() - kExtensionLength, kExtensionLength, kPlaneMapExtension) != 0)
            continue;
        struct stat st {};
        if (::stat((path + "/" + file).c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        found.push_back(file.substr(0, file.size() - kExtensionLength));
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end());
    names.insert(names.end(), found.begin(), found.end());
    return static_cast<int>(found.size());
}
