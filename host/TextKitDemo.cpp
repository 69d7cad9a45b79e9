#include "KitSession.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Zephyr/LogCodeMgrIO.h"
#include "hosttypes/Zephyr/WpSidewallCore.h"
#include "hosttypes/Zephyr/WpText.h"

namespace demo {

namespace {

void RunTextSteps(Session& session, zephyr::PlotFixture& plot) {
    auto* text = plot.First<CWpText>();
    text->AppendSegment(1200, 1201.5);
    text->SetActiveSegIndex(0);

    session.Select(text);
    session.Grid().PickOption(session.Path("标题/方向"), "纵向");
    session.Grid().TypeText(session.Path("文本属性/文本字体/大小"), "12");
    session.Grid().TypeText(session.Path("文本属性/文本字体/大小"), "-5");
    session.Grid().ChooseColor(dynamic_cast<CBCGPColorProp*>(session.Path("文本属性/背景颜色")), RGB(255, 255, 0));
    session.Grid().PickOption(session.Path("文本属性/背景透明"), "是");
    session.Grid().PickOption(session.Path("文本属性/水平对齐"), "居中");
    session.Grid().TypeText(session.Path("文本框线型/粗细"), "0.5");
    session.Grid().TypeText(session.Path("文本框线型/粗细"), "w");
    session.Grid().TypeText(session.Path("当前段属性/底深"), "1203");
    session.Grid().TypeText(session.Path("当前段属性/顶深"), "1210");
    session.Announce();
    session.PrintWindow();
    session.PrintKit();
}

void RunSidewallCoreSteps(Session& session, zephyr::PlotFixture& plot) {
    auto* core = plot.First<CWpSidewallCore>();
    core->SetCorelithMgr(&zephyr::testing::CorelithCodes());

    session.Select(core);
    session.Grid().PickOption(session.Path("数据源/类型"), "井数据");
    session.Grid().PickOption(session.Path("数据源/数据表"), "井壁取芯数据");
    session.Announce();
    session.PrintWindow();
    session.PrintKit();

    session.Grid().PickOption(session.Path("数据源/数据表"), "点数据3");
    session.Announce();
    session.Grid().PickOption(session.Path("数据源/含油性代码字段"), "名称");
    session.PrintKit();

    // The host makes the first core active for editing and selects the kit again.
    core->SetActiveCore(0);
    core->SetDrawActive(true);
    session.Select(core);
    session.Grid().TypeText(session.Path("深度/深度"), "1234.5");
    session.Grid().PickOption(session.Path("深度/岩性"), "泥岩");
    session.Grid().PickOption(session.Path("深度/含油性"), "油迹");
    session.PrintWindow();
    session.PrintKit();
}

}  // namespace

void RunTextKitSteps(Session& session, zephyr::PlotFixture& plot, std::ostream& out) {
    Step(out, "select the text kit with one segment; pick 纵向, type 12 and -5 as the text size, pick a yellow "
              "background shown transparent and centred, type 0.5 and w as the frame width, 1203 as the bottom and "
              "1210 (below it) as the top");
    RunTextSteps(session, plot);
    Step(out, "select the sidewall-core kit; pick 井数据 and 井壁取芯数据, then 点数据3 with 名称 as the oil field; "
              "make its first core active and type 1234.5, pick 泥岩 and 油迹");
    RunSidewallCoreSteps(session, plot);
}

void DescribeTextKit(CWpKit* kit, std::ostream& out) {
    if (auto* text = dynamic_cast<CWpText*>(kit)) {
        const QXLOGFONT font = text->GetTextFont();
        QXLOGPEN pen;
        text->GetTextBoundaryPen(pen);
        out << " 方向=" << kit->GetTitleDirection() << " 文本字体=" << font.GetFaceName().str() << '/' << font.size
            << '/' << font.color << " 背景=" << font.backColor << " 透明=" << text->IsTransparent()
            << " 对齐=" << text->GetTextAlignH().str() << '/' << text->GetTextAlignV().str() << " 框线=" << pen.style
            << '/' << pen.width << '/' << pen.color << " 段=" << text->GetActiveSegTopDepth() << '-'
            << text->GetActiveSegBotDepth();
    }
    if (auto* core = dynamic_cast<CWpSidewallCore*>(kit)) {
        out << " 取芯数据源=" << core->m_dataSource << " 表=" << core->GetDataTable()
            << " 字段=" << core->GetLithologyField() << ',' << core->GetOilField();
        if (const boost::shared_ptr<CSidewallCoreSeg> active = core->GetActiveCoreSeg())
            out << " 当前芯=" << active->depth << '/' << active->lithology << '/' << active->oil;
    }
}

}  // namespace demo
