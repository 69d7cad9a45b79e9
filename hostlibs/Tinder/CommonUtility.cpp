#include "hosttypes/Tinder/CommonUtility.h"

#include <cstring>

#include "mfc/Wnd.h"

namespace {
// Characters a file name may not hold, besides the control characters.
constexpr const char kRefused[] = "\\/:*?\"<>|";
}  // namespace

bool CCommonUtility::IsFileNameValide(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 32 || std::strchr(kRefused, c)) return false;
    }
    return true;
}

void CCommonUtility::LayerNameWarning() { AfxMessageBox(tinder::kLayerNameWarning, MB_OK | MB_ICONWARNING); }

char* AfxGetBufA() {
    static char buffer[tinder::kSharedBufferSize];
    return buffer;
}
