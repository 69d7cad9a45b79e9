// Costs of the framework: filling a pane, building a sheet, one message round trip.
// Filling must stay linear in the number of items (no walk over the grid per item).
#include <benchmark/benchmark.h>

#include "bcg/Prop.h"
#include "driver/SheetDriver.h"
#include "framework/ModuleEntry.h"
#include "framework/PropWndMgr.h"
#include "framework/WndLst.h"
#include "mfc/Module.h"
#include "resources/ModuleResources.h"

namespace {

class FilledList : public CWndLst {
public:
    explicit FilledList(int n) : n_(n) {}

protected:
    int InitPropWnd() override {
        if (CWndLst::InitPropWnd() == -1) return -1;
        for (int i = 0; i < n_; ++i) {
            auto* group = new CBCGPProp("组", 1000 + 10 * i, FALSE);
            group->AddSubItem(new CBCGPProp("值", _variant_t(static_cast<double>(i)), "", 1001 + 10 * i));
            m_wndPropList.AddProperty(group);
        }
        return 0;
    }
    void UpdateBCGPProperty(long, CString) override {}

private:
    int n_;
};

struct Host {
    Host() { frame.CreateEx(0, nullptr, "bench", WS_VISIBLE, CRect(0, 0, 400, 600), nullptr, 0); }
    CWnd frame;
};

void BM_FillPane(benchmark::State& state) {
    Host host;
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        FilledList list(n);
        list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 500), &host.frame, 2);
        benchmark::DoNotOptimize(list.GetPropList().FindItemByData(1001));
        list.DestroyWindow();
    }
    state.SetComplexityN(n);
}
BENCHMARK(BM_FillPane)->Arg(50)->Arg(200)->Arg(1000)->Complexity(benchmark::oN);

void BM_BuildSheet(benchmark::State& state) {
    Host host;
    const int pages = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto* sheet = new CPropWndMgr(0, 0);
        for (int i = 0; i < pages; ++i) sheet->AddLstPage(new FilledList(10), "页");
        sheet->Initialize();
        sheet->Create(&host.frame, WS_CHILD | WS_VISIBLE, 0);
        platform::DestroyAndDelete(sheet);
    }
    state.SetComplexityN(pages);
}
BENCHMARK(BM_BuildSheet)->Arg(1)->Arg(4)->Arg(16)->Complexity(benchmark::oN);

void BM_SelectionRoundTrip(benchmark::State& state) {
    Host host;
    FilledList list(20);
    list.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 500), &host.frame, 2);
    int object = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::SendSelectionChanged(list, &host.frame, reinterpret_cast<LPARAM>(&object)));
    list.DestroyWindow();
}
BENCHMARK(BM_SelectionRoundTrip);

}  // namespace

int main(int argc, char** argv) {
    // Loaded as a host loads the module, so the page template is in the resource chain.
    HINSTANCE image = LoadTessalyImage();
    TessalyDllMain(image, DLL_PROCESS_ATTACH, nullptr);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TessalyDllMain(image, DLL_PROCESS_DETACH, nullptr);
    platform::UnloadModuleImage(image);
    return 0;
}
