#include "hosttypes/Wicket/ScatteredFunc.h"

#include <cctype>
#include <string>

#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXMap.h"

namespace {
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Position after a run of digits starting at i.
std::size_t SkipDigits(const std::string& s, std::size_t i) {
    while (i < s.size() && IsDigit(s[i])) ++i;
    return i;
}
}  // namespace

CQXLayer* CScatteredFunc::GetLine_Layer(CQXMap* map, CString layerName) {
    // Without a name the rule would pick a layer called just the suffix, which belongs to no zone layer.
    if (!map || layerName.IsEmpty()) return nullptr;
    return map->GetLayer(static_cast<const char*>(layerName + kBoundaryLineLayerSuffix));
}

void CScatteredFunc::TruncFloatString(CString& text) {
    const std::string& s = text.str();
    // [sign] digits '.' digits [exponent], with at least one digit around the point.
    std::size_t i = (!s.empty() && (s[0] == '-' || s[0] == '+')) ? 1 : 0;
    const std::size_t intEnd = SkipDigits(s, i);
    if (intEnd >= s.size() || s[intEnd] != '.') return;  // no point: an integer, or no number
    const std::size_t point = intEnd;
    const std::size_t fracEnd = SkipDigits(s, point + 1);
    if (point == i && fracEnd == point + 1) return;  // a lone point
    std::size_t end = fracEnd;
    if (end < s.size()) {
        if (s[end] != 'e' && s[end] != 'E') return;
        std::size_t e = end + 1;
        if (e < s.size() && (s[e] == '-' || s[e] == '+')) ++e;
        const std::size_t expEnd = SkipDigits(s, e);
        if (expEnd == e || expEnd != s.size()) return;
    }
    std::size_t keep = fracEnd;
    while (keep > point + 1 && s[keep - 1] == '0') --keep;
    if (keep == point + 1) keep = point;  // nothing left after the point
    std::string mantissa = s.substr(0, keep);
    // Rounding leaves "-0" for small negative values; a zero has no sign to show.
    if (mantissa.find_first_of("123456789") == std::string::npos) mantissa = "0";
    text = CString(mantissa + s.substr(fracEnd));
}
