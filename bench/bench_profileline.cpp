// Costs of the profile-line pages, each beside its floor (the bare loop doing the same work): a
// width edit of the profile-line page over A active lines, and a refresh of the reference page
// over L layers of the reference map. The floor_ratio counter stays flat as A or L grows when the
// page is linear.
#include <benchmark/benchmark.h>

#include <boost/make_shared.hpp>
#include <memory>
#include <string>
#include <vector>

#include "BenchFloor.h"
#include "ProfilelineProp/PlLayerReferenceInfo.h"
#include "ProfilelineProp/PlProfilelineProperty.h"
#include "ProfilelineProp/PlPropertyWnd.h"
#include "driver/GridDriver.h"
#include "driver/SheetDriver.h"
#include "framework/ItemGroupsBasic.h"
#include "hostlibs/Lodestar/Testing.h"
#include "hosttypes/Lodestar/LayerProperty.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlProfileline.h"

namespace {

using namespace KelProfileline;

// A graph entity with a list of it open in a host frame; the library's log is off while the world
// lives.
template <class List>
struct ProfileWorld {
    CWnd frame;
    CWnd view;
    CPlCnEntity entity;
    List* list = nullptr;

    ProfileWorld() {
        lodestar::testing::EnableCallLog(false);
        frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
        view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
    }
    ~ProfileWorld() {
        if (list) platform::DestroyAndDelete(list);
        frame.DestroyWindow();
        lodestar::testing::Reset();
    }
    ProfileWorld(const ProfileWorld&) = delete;
    ProfileWorld& operator=(const ProfileWorld&) = delete;
    void Open(List* made, CPlObjInterface* shown) {
        list = made;
        list->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 360, 1200), &frame, 2);
        Show(shown);
    }
    void Show(CPlObjInterface* shown) { platform::SendSelectionChanged(*list, &view, PlObjectArg(shown)); }
};

// A width typed into the profile-line page goes to all A active lines; the floor gives each active
// object, taken as a line, the new pen.
void BM_ProfileLineWidthEdit(benchmark::State& state) {
    ProfileWorld<CPlProfilelineProperty> world;
    std::vector<std::unique_ptr<CPlProfileline>> lines;
    std::vector<CPlObjInterface*> active;
    for (int64_t i = 0; i < state.range(0); ++i) {
        lines.emplace_back(new CPlProfileline);
        lines.back()->SetContainer(&world.entity);
        active.push_back(lines.back().get());
    }
    world.entity.SetActiveObjs(active);
    world.Open(new CPlProfilelineProperty(lines.front().get()), lines.front().get());
    platform::GridDriver grid(&world.list->GetPropList());
    CBCGPProp* width = grid.FindByData(CPlProfilelineProperty::kWidthId);
    int step = 0;
    bench::TimeBesideFloor(
        state, [&] { step = 1 - step; }, [&] { grid.TypeText(width, step ? "0.25" : "0.5"); },
        [&] {
            QXLOGPEN pen = lines.front()->GetLinePen();
            pen.width = step ? 25.0f : 50.0f;
            for (int i = 0; i < world.entity.GetActiveObjCount(); ++i)
                if (auto* line = dynamic_cast<CPlProfileline*>(world.entity.GetActiveObj(i))) line->SetLinePen(pen);
            benchmark::DoNotOptimize(lines.back()->GetLinePen());
        });
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ProfileLineWidthEdit)->Arg(1)->Arg(100)->Arg(10000)->UseManualTime()->Complexity(benchmark::oN);

// A refresh of the reference page rebuilds the yes/no items of all L layers; the floor builds the
// same L items into a group of its own.
void BM_ReferenceRefresh(benchmark::State& state) {
    ProfileWorld<CPlLayerReferenceInfo> world;
    auto info = boost::make_shared<CPlRefrenceInfo>();
    info->SetLayerProperty(CPropertySignle::Instance()->GetProperty());
    for (int64_t i = 0; i < state.range(0); ++i) info->AddShowLayer("图层" + std::to_string(i), i % 2 == 0);
    world.entity.SetRefrenceInfo(info);
    world.Open(new CPlLayerReferenceInfo(&world.entity), &world.entity);
    bench::TimeBesideFloor(
        state, [&] { world.entity.ProChanged(); }, [&] { world.Show(&world.entity); },
        [&] {
            CBCGPProp group("图层", 3, FALSE);
            std::vector<std::string> names;
            info->GetShowLayer(names);
            for (std::size_t i = 0; i < names.size(); ++i) {
                const std::string description = "是否显示" + names[i] + "图层";
                CBCGPProp* item = CreateYesNoProp(names[i].c_str(), 4 + i, _variant_t(""), description.c_str());
                SetYesNoProp(item, info->GetShowLayerVisible(static_cast<int>(i)) == 1);
                group.AddSubItem(item);
            }
            benchmark::DoNotOptimize(group.GetSubItemsCount());
        });
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReferenceRefresh)->Arg(10)->Arg(100)->Arg(1000)->UseManualTime()->Complexity(benchmark::oN);

}  // namespace
