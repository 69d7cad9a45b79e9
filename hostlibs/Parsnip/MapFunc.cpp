#include "hosttypes/Parsnip/MapFunc.h"

#include "hosttypes/Parsnip/QXMap.h"

bool CMapFunc::GetStratum(CQXMap* map, int& grade, CString& name) {
    return map != nullptr && map->GetStratum(grade, name);
}

CString CMapFunc::LineFILL_2_Fill_Layer(CString lineLayerName) {
    static const char kLine[] = "线";
    static const char kFill[] = "填充";
    if (lineLayerName.IsEmpty()) return lineLayerName;
    const std::string& name = lineLayerName.str();
    const std::size_t tail = sizeof kLine - 1;
    if (name.size() >= tail && name.compare(name.size() - tail, tail, kLine) == 0)
        return CString(name.substr(0, name.size() - tail) + kFill);
    return CString(name + kFill);
}
