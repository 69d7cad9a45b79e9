// Well trajectories: whether a well is inclined, and the trajectory line built again for one
// well. Lines the library builds are its own: it keeps the last two of each well, kind and layer
// (the shown one and the one it replaced, which a list may still name) and frees older ones.
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "hostlibs/Moraine/MoraineTesting.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/PlaneFunc.h"
#include "hosttypes/Moraine/PlaneUtility.h"
#include "hosttypes/Moraine/WellLayer.h"
#include "hosttypes/Osprey/WellDataManager.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"

namespace {

constexpr const char* kUpperPath = "上部井斜线";
// A well-position row of this type is an inclined well.
constexpr int kInclinedWell = 1;
// Map units from the wellhead to the end of a trajectory line.
constexpr double kPathReach = 100.0;
constexpr std::size_t kLinesKept = 2;

using LineKey = std::tuple<const CQXLayer*, std::string, std::string>;

struct PathStore {
    std::map<LineKey, std::deque<std::unique_ptr<CQXObjectPolyline>>> lines;
    bool failing = false;
};

PathStore& Paths() {
    static PathStore store;
    return store;
}

const WELLPOSITION* Row(int row) { return CWellDataManager::Instance()->GetWellPosition()->GetData(row); }

}  // namespace

namespace kel::plane {

bool CPlaneFunc::IsSlopeWell(int row) {
    const WELLPOSITION* well = Row(row);
    return well && well->type == kInclinedWell;
}

CQXObjectPolyline* CPlaneUtility::ReCalOneWellPathLine(CQXLayer* layer, int row, const CString& kindText,
                                                       bool realTrack) {
    const WELLPOSITION* well = Row(row);
    parsnip::testing::Record("kel::plane::CPlaneUtility::ReCalOneWellPathLine", layer,
                             std::to_string(row) + "," + kindText.GetString() + (realTrack ? ",1" : ",0"));
    if (!layer || !well || Paths().failing) return nullptr;

    auto line = std::make_unique<CQXObjectPolyline>(layer);
    line->SetTypeName(kindText.GetString());
    line->SetName(well->wellName.GetString());
    CWellLayer settings(layer);
    QXLOGPEN pen;
    if (kindText == kUpperPath)
        settings.GetWellTopLinePen(&pen);
    else
        settings.GetWellBottomLinePen(&pen);
    line->SetLogPen(&pen);
    const FLOATPOINT head(well->x, well->y);
    if (realTrack)
        line->SetPoints({head, FLOATPOINT(well->x + kPathReach / 2, well->y - kPathReach / 4),
                         FLOATPOINT(well->x + kPathReach, well->y - kPathReach / 2)});
    else
        line->SetPoints({head, FLOATPOINT(well->x + kPathReach, well->y - kPathReach / 2)});
    line->SetShapeType(realTrack ? 1 : 2);
    layer->AddObject(line.get());

    auto& kept = Paths().lines[LineKey(layer, well->wellName.GetString(), kindText.GetString())];
    kept.push_back(std::move(line));
    while (kept.size() > kLinesKept) {
        layer->DeleteObject(kept.front().get());
        kept.pop_front();
    }
    return kept.back().get();
}

}  // namespace kel::plane

namespace moraine::testing {
void FailWellPathLines(bool fail) { Paths().failing = fail; }
void DropWellPathLines() {
    Paths().lines.clear();
    Paths().failing = false;
}
}  // namespace moraine::testing
