// The production and injection profile steps: the sample plot's production profile and an injection
// profile added beside it are selected, their sources switched, their parameter counts changed and
// a parameter's values edited, each step printing the page and the kit.
#include "KitSession.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"

namespace demo {

void RunProfileKitSteps(Session& session, zephyr::PlotFixture& plot, std::ostream& out) {
    auto* produced = plot.First<CWpWaterEntry>();
    if (!produced || !produced->GetParent()) return;
    auto* injected = plot.Add<CWpWaterEntry>(produced->GetParent(), "吸水剖面");
    injected->SetProductedFluid(false);

    Step(out, "select the production profile; show 2 parameters; the second shows 日产油量 from 0 to 50 with labels of "
              "size 12; top and bottom lines 0.25 wide");
    session.Select(produced);
    session.Grid().PickOption(session.Path("参数个数"), "2");
    session.Grid().PickOption(session.Path("参数2/字段"), "日产油量");
    session.Grid().TypeText(session.Path("参数2/右值"), "50");
    session.Grid().PickOption(session.Path("参数2/数值属性/显示"), "是");
    session.Grid().TypeText(session.Path("参数2/数值属性/大小"), "12");
    session.Grid().PickOption(session.Path("顶底线/显示"), "是");
    session.Grid().TypeText(session.Path("顶底线/线宽"), "0.25");
    session.Announce();
    session.PrintWindow();
    session.PrintKit();

    Step(out, "switch it to 离散数据 (table 试油成果, time column 结论, dates 2021-03-15 to 2021-09-15, 3 parameters), "
              "then to 图形");
    session.Grid().PickOption(session.Path("数据源/类型"), "离散数据");
    session.Grid().PickOption(session.Path("数据源/数据表"), "试油成果");
    session.Grid().PickOption(session.Path("数据源/时间列"), "结论");
    session.Grid().PickOption(session.Path("数据源/开始日期"), "2021-03-15");
    session.Grid().PickOption(session.Path("数据源/结束日期"), "2021-09-15");
    session.Grid().PickOption(session.Path("参数个数"), "3");
    session.PrintKit();
    session.Grid().PickOption(session.Path("数据源/类型"), "图形");
    session.Announce();
    session.PrintWindow();
    session.PrintKit();

    Step(out, "select the injection profile; show 1 parameter, 相对吸水量 from 10 to 90; type 120 as title size, "
              "then 0 (not written)");
    session.Select(injected);
    session.Grid().PickOption(session.Path("参数个数"), "1");
    session.Grid().PickOption(session.Path("参数1/字段"), "相对吸水量");
    session.Grid().TypeText(session.Path("参数1/左值"), "10");
    session.Grid().TypeText(session.Path("参数1/右值"), "90");
    session.Grid().TypeText(session.Path("标题字体/大小"), "120");
    session.Grid().TypeText(session.Path("标题字体/大小"), "0");
    session.Announce();
    session.PrintWindow();
    session.PrintKit();
}

void DescribeProfileKit(CWpKit* kit, std::ostream& out) {
    auto* entry = dynamic_cast<CWpWaterEntry*>(kit);
    if (!entry) return;
    QXLOGFONT title;
    entry->GetTitleFont(&title);
    out << " 剖面=" << (entry->IsProductedFluid() ? "产液" : "吸水") << " 剖面数据=" << entry->GetSourceType().str() << "/"
        << entry->GetScattTable().str() << "/" << entry->GetScattTimeField().str() << " 日期="
        << entry->GetStartDate().str() << "~" << entry->GetEndDate().str() << " 参数=" << entry->GetParamNumber() << "/"
        << entry->GetParamMaxNum() << " 顶底线=" << entry->GetDrawDepthLine() << "," << entry->GetDepthLineWidth()
        << " 标题大小=" << title.size;
    for (int i = 0; i < entry->GetParamNumber(); ++i)
        out << " [" << entry->GetParamName(i).str() << " " << entry->GetParamLeft(i) << "~" << entry->GetParamRight(i)
            << " 标注=" << entry->GetParamDraw(i) << "," << entry->GetParamFontHeight(i) << "]";
}

}  // namespace demo
