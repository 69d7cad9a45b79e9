#include "KitSession.h"

#include <string>

#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpSymble.h"
#include "hosttypes/Zephyr/WpWell.h"
#include "mfc/String.h"

namespace demo {

namespace {

// Two intervals, none active yet.
void AddSymbolIntervals(CWpSymble* kit) {
    for (const double top : {1200.0, 1204.0}) {
        WPSEGMENT seg;
        seg.top = top;
        seg.bottom = top + 4;
        kit->AddSeg(seg);
    }
}

}  // namespace

void RunSymbolKitSteps(Session& session, zephyr::PlotFixture& plot, std::ostream& out) {
    auto* shoot = plot.First<CWpSymbleShoot>();
    auto* cycle = plot.First<CWpSymbleCycle>();
    auto* bedding = plot.First<CWpSymbleTexture>();
    if (!shoot || !cycle || !bedding) return;
    for (CWpSymble* kit : {static_cast<CWpSymble*>(shoot), static_cast<CWpSymble*>(cycle),
                           static_cast<CWpSymble*>(bedding)})
        AddSymbolIntervals(kit);
    shoot->GetAllDateTime() = {"2019-05-01", "2021-09-15"};

    // Each scripted edit is followed by the host's announcement, the sheet and the kit.
    auto show = [&session]() {
        session.Announce();
        session.PrintWindow();
        session.PrintKit();
    };
    auto pick = [&session, &show](const char* path, const char* option) {
        session.Grid().PickOption(session.Path(path), option);
        show();
    };
    auto type = [&session, &show](const char* path, const char* text) {
        session.Grid().TypeText(session.Path(path), text);
        show();
    };
    auto activate = [&session](CWpSymble* kit, int seg) {
        kit->SetActiveSeg(seg);
        zephyr::testing::Touch(kit);  // the host selected the interval in the plot
        session.Announce();
    };

    Step(out, "select the perforation symbols; pick 井数据, show by date from the later date; make the first "
              "interval 补孔; then pick 图形");
    session.Select(shoot);
    pick("数据源/类型", "井数据");
    pick("数据源/按时间显示射孔段", "是");
    pick("数据源/开始日期", "2021-09-15");
    activate(shoot, 0);
    pick("当前段/类型", "补孔");
    pick("数据源/类型", "图形");

    Step(out, "select the cycles; pick 离散数据, the set 试油成果 and the field 结论; margins 0.5 (refused), then 0.3; "
              "pick 短期旋回, then the second interval: 反旋回, bottom 1207.5");
    session.Select(cycle);
    pick("数据源/类型", "离散数据");
    pick("数据源/离散表", "试油成果");
    pick("数据源/旋回类型字段", "结论");
    type("显示参数/边距", "0.5");
    type("显示参数/边距", "0.3");
    pick("数据源/类型", "短期旋回");
    activate(cycle, 1);
    pick("当前段/类型", "反旋回");
    type("当前段/底深", "1207.5");

    Step(out, "select the bedding; pick 井数据; 适应大小 否, width 6 and height 0 (refused); the first interval: "
              "交错层理, top 1201");
    session.Select(bedding);
    pick("数据源/类型", "井数据");
    pick("显示参数/适应大小", "否");
    type("显示参数/符号宽度", "6");
    type("显示参数/符号高度", "0");
    activate(bedding, 0);
    pick("当前段/类型", "交错层理");
    type("当前段/顶深", "1201");
}

void DescribeSymbolKit(CWpKit* kit, std::ostream& out) {
    auto* symbols = dynamic_cast<CWpSymble*>(kit);
    if (!symbols) return;
    out << " 表=" << symbols->GetTableName() << " 字段=" << symbols->GetFiledName() << " 符号数据="
        << (symbols->GetData() ? std::to_string(symbols->GetData()->GetKind()) : std::string("-")) << " 符号=";
    for (int i = 0; i < symbols->GetSegCount(); ++i) out << '[' << symbols->GetSymbleName(i).str() << ']';
    const COLORREF color = symbols->GetSegColor();
    out << " 颜色=" << FormatString("RGB(%u,%u,%u)", color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF).str()
        << " 边距=" << symbols->GetEdgeOffL() << ","
        << symbols->GetEdgeOffR();
    if (auto* shoot = dynamic_cast<CWpSymbleShoot*>(kit))
        out << " 按时间=" << shoot->IsFilter() << " 日期=" << shoot->GetStartDateTime() << "~" << shoot->GetEndDateTime();
    if (auto* bedding = dynamic_cast<CWpSymbleTexture*>(kit))
        out << " 适应大小=" << bedding->IsFitRect() << " 符号大小=" << bedding->GetSymbleWidth() << "x"
            << bedding->GetSymbleHeight();
}

}  // namespace demo
