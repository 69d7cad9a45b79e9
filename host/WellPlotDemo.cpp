#include "WellPlotDemo.h"

#include "KitSession.h"
#include "hostlibs/Zephyr/WellDataFixture.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Sorrel/TemplateManager.h"
#include "hosttypes/Zephyr/DIOilTest.h"
#include "hosttypes/Zephyr/LogShootMgrIO.h"
#include "hosttypes/Zephyr/WDMgrIO.h"
#include "hosttypes/Zephyr/WpContent.h"
#include "hosttypes/Zephyr/WpCorelith.h"
#include "hosttypes/Zephyr/WpFacies.h"
#include "hosttypes/Zephyr/WpIntegratedCore.h"
#include "hosttypes/Zephyr/WpLthSample.h"
#include "hosttypes/Zephyr/WpOilTest.h"
#include "hosttypes/Zephyr/WpParam.h"
#include "hosttypes/Zephyr/WpPicture.h"
#include "hosttypes/Zephyr/WpResult.h"
#include "hosttypes/Zephyr/WpSand.h"
#include "hosttypes/Zephyr/WpSandStratum.h"
#include "hosttypes/Zephyr/WpShoot.h"
#include "hosttypes/Zephyr/WpStratum.h"
#include "hosttypes/Zephyr/WpTrack.h"
#include "hosttypes/Zephyr/WpWaterEntry.h"
#include "hosttypes/Zephyr/WpWell.h"

namespace demo {

// The well's interval data beside its sample data: lithology of the well's own table, a sand set
// of segment data, the facies of a discrete set; each interval kit gets two intervals, the first
// active.
void AddIntervalData(zephyr::PlotFixture& plot) {
    if (!plot.Well()->GetDataMgr()) plot.Well()->SetDataMgr(new WDMgrIO());
    WDMgrIO* data = plot.Well()->GetDataMgr();
    data->AddCorelith(CORELITH_WELL, "")->m_record.oilKind = 1;
    if (LogSandDIO* sand = data->GetSand(1, ""))
        for (LOGSAND& record : sand->m_records) record.type = 1;  // the sample's sand layers, of the first class
    data->AddSand(26, "")->m_records.push_back(LOGSAND{2, "段数据", 26, 0});
    data->AddFacies(11, "试油成果 结论");
    for (CWpKit* kit : plot.AllKits()) {
        auto* seg = dynamic_cast<CWpSegment*>(kit);
        if (!seg || !(dynamic_cast<CWpCorelith*>(kit) || dynamic_cast<CWpLthSample*>(kit) ||
                      dynamic_cast<CWpIntegratedCore*>(kit) || dynamic_cast<CWpSand*>(kit) ||
                      dynamic_cast<CWpFacies*>(kit) || dynamic_cast<CWpStratum*>(kit) || dynamic_cast<CWpShoot*>(kit)))
            continue;
        WPSEGMENT first;
        first.top = 1200;
        first.bottom = 1208.5;
        first.data = WpSegDataRef(new WPSEGDATA{1, 7.6, 8.5, 0.89});
        seg->AddSeg(first);
        WPSEGMENT second;
        second.top = 1208.5;
        second.bottom = 1215;
        seg->AddSeg(second);
        seg->SetActiveSeg(0);
    }
    if (auto* lith = plot.First<CWpCorelith>()) lith->SetData(data->GetCorelith(CORELITH_WELL, ""));
}

void RunWellPlotDemo(CWnd& frame, CWnd& view, std::ostream& out) {
    zephyr::PlotFixture plot;
    plot.BuildSample();
    CWpTrack* track = plot.First<CWpTrack>();
    CWpDepth* depth = plot.First<CWpDepth>();
    CWpCurve* curve = plot.First<CWpCurve>();
    CWpProgram* program = plot.First<CWpProgram>();
    // The well's data: three levels of layering, sand data and the curves; the range set by level 0.
    plot.Well()->SetDataMgr(zephyr::NewSampleWellData());
    plot.Well()->SetUnitClass(0);
    plot.Well()->SetTopUnit("沙一段");
    plot.Well()->SetBottomUnit("沙二段");
    plot.Well()->SetTopDepth(1000);
    plot.Well()->SetBottomDepth(1500);
    // Curves bound to the well's data by their titles; the first with two fills.
    for (CWpKit* kit : plot.AllKits())
        if (kit->IsKindOf(RUNTIME_CLASS(CWpCurve))) kit->SetName(kit->GetTitleText());
    curve->Operation(0);
    curve->Operation(0);

    Session session(frame, view, out);
    auto step = [&out](const char* what) { out << "\n== " << what << "\n"; };

    step("select the first curve track; pick 对数 for 刻度/类型; the host announces it again");
    session.Select(track);
    session.Grid().PickOption(session.Path("刻度/类型"), "对数");
    session.Announce();
    session.PrintWindow();
    session.PrintKit();

    step("on 网格线 type 7.9, then 0.9, into 深度线/间隔(米)/粗线");
    session.Tab(1);
    session.Grid().TypeText(session.Path("深度线/间隔(米)/粗线"), "7.9");
    session.Grid().TypeText(session.Path("深度线/间隔(米)/粗线"), "0.9");
    session.PrintKit();

    step("select the depth track; type 深度\\nDEP into 标题/文本, pick 隐藏 for 刻度线/格式");
    session.Select(depth);
    session.Grid().TypeText(session.Path("标题/文本"), "深度\\nDEP");
    session.Grid().PickOption(session.Path("刻度线/格式"), "隐藏");
    session.Announce();
    session.PrintWindow();
    session.PrintKit();

    step("select the well; on 图头 type 2.25 into 标题区高度(厘米) and pick 隐藏 for 显隐");
    session.Select(plot.Well());
    session.Tab(1);
    session.Grid().TypeText(session.Path("标题区高度(厘米)"), "2.25");
    session.Grid().PickOption(session.Path("显隐"), "隐藏");
    session.Announce();
    session.PrintWindow();
    session.PrintKit();

    step("select a curve; on 其它 pick 只显示纵边 for 边框/显隐/模式 and type 3 into 宽度(厘米)");
    session.Select(curve);
    session.Tab(1);
    session.Grid().PickOption(session.Path("边框/显隐/模式"), "只显示纵边");
    session.Grid().TypeText(session.Path("宽度(厘米)"), "3");
    session.Announce();
    session.PrintKit();

    step("select the program; type 新程序 into 标题/名称");
    session.Select(program);
    session.Grid().TypeText(session.Path("标题/名称"), "新程序");
    session.PrintKit();

    step("select the well; on 柱状图 type 1500 into 底深(米), then 1600 into 顶深(米)");
    session.Select(plot.Well());
    session.Grid().TypeText(session.Path("深度范围/底深(米)"), "1500");
    session.Grid().TypeText(session.Path("深度范围/顶深(米)"), "1600");
    session.PrintBoxes();
    session.PrintKit();

    step("pick 二级 for 深度范围/分层级别; the host announces the well again");
    session.Grid().PickOption(session.Path("深度范围/分层级别"), "二级");
    session.Announce();
    session.PrintWindow();
    session.PrintKit();

    step("pick 沙二2 for 顶层单元 (below the bottom unit), then 沙一2");
    session.Grid().PickOption(session.Path("深度范围/顶层单元"), "沙二2");
    session.PrintBoxes();
    session.Grid().PickOption(session.Path("深度范围/顶层单元"), "沙一2");
    session.PrintKit();

    step("type 1:500 into 深度比例/深度比例, then abc");
    session.Grid().TypeText(session.Path("深度比例/深度比例"), "1:500");
    session.Grid().TypeText(session.Path("深度比例/深度比例"), "abc");
    session.Announce();
    session.PrintWindow();
    session.PrintKit();

    step("select a curve; pick 当前图内所有曲线 for 刻度/设置应用到, type 10 into 刻度/左值, pick 对数 for 刻度/类型");
    session.Select(curve);
    session.Grid().PickOption(session.Path("刻度/设置应用到"), "当前图内所有曲线");
    session.Grid().TypeText(session.Path("刻度/左值"), "10");
    session.Grid().PickOption(session.Path("刻度/类型"), "对数");
    session.Announce();
    session.PrintWindow();
    for (CWpKit* kit : plot.AllKits())
        if (kit->IsKindOf(RUNTIME_CLASS(CWpCurve))) out << "  " << Describe(kit) << "\n";

    step("on 填充/列表 pick 添加新填充, then 填充1, then 全部删除");
    session.Grid().PickOption(session.Path("填充/列表"), "添加新填充");
    session.Announce();
    session.PrintKit();
    session.Grid().PickOption(session.Path("填充/列表"), "填充1");
    session.Announce();
    session.PrintWindow();
    session.PrintKit();
    session.Grid().PickOption(session.Path("填充/列表"), "全部删除");
    session.Announce();
    session.PrintWindow();
    session.PrintBoxes();
    session.PrintKit();

    // The interval kits: each scripted edit is followed by the host's announcement and the sheet.
    AddIntervalData(plot);
    auto edit = [&session](const char* path, const char* value, bool pick) {
        CBCGPProp* item = session.Path(path);
        if (pick)
            session.Grid().PickOption(item, value);
        else
            session.Grid().TypeText(item, value);
        session.Announce();
        session.PrintWindow();
        session.PrintKit();
    };
    step("select the lithology; type a top depth; pick a colour; pick 井数据, then the table 段数据2 and a field");
    session.Select(plot.First<CWpCorelith>());
    edit("当前段/顶深", "1201.5", false);
    edit("当前段/颜色属性", "灰(浅灰)", true);
    edit("数据源/类型", "井数据", true);
    edit("数据源/数据表", "段数据2", true);
    edit("数据源/岩性全称字段", "名称", true);

    step("select the rock samples; pick 离散数据, the set 试油成果 and its fields; type a bottom depth");
    session.Select(plot.First<CWpLthSample>());
    edit("数据源/类型", "离散数据", true);
    edit("数据源/离散表", "试油成果", true);
    edit("数据源/样品部位字段", "日产油", true);
    edit("数据源/样品号字段", "日产水", true);
    edit("当前段/底深", "1209", false);

    step("select the coring; pick the table 取芯综合数据; type 0.6 into the separating line's width; a core length");
    session.Select(plot.First<CWpIntegratedCore>());
    edit("数据源/数据表", "取芯综合数据", true);
    edit("显示设置/分割线线型/宽度(毫米)", "0.6", false);
    edit("当前段/取芯长度", "8.1", false);

    step("select the sand; pick 砂层数据一类, then 段数据1; show the thickness with 5.9 decimals; pick 工字型");
    session.Select(plot.First<CWpSand>());
    edit("数据源/类型", "砂层数据一类", true);
    edit("数据源/类型", "段数据1", true);
    edit("显示参数/厚度文本/显示", "是", true);
    edit("显示参数/厚度文本/小数位数", "5.9", false);
    edit("显示参数/分界线/样式/符号类型", "工字型", true);

    step("select the strata; pick 离散数据, the set 试油成果 and the field 结论; use the background colour");
    session.Select(plot.First<CWpStratum>());
    edit("数据源/类型", "离散数据", true);
    edit("数据源/离散表", "试油成果", true);
    edit("数据源/层名字段", "结论", true);
    edit("显示参数/背景色", "是", true);

    step("select the perforations; pick 离散数据, 试油成果 and 结论 (binds by both); make the interval 补孔");
    plot.First<CWpShoot>()->SetShootMgr(new LogShootMgrIO);
    session.Select(plot.First<CWpShoot>());
    edit("数据源/类型", "离散数据", true);
    edit("数据源/离散表", "试油成果", true);
    edit("数据源/射孔类型字段", "结论", true);
    edit("当前段/类型", "补孔", true);

    step("select the facies; pick 离散数据, the set 试油成果 and the field 结论; rename the active interval");
    session.Select(plot.First<CWpFacies>());
    edit("数据源/类型", "离散数据", true);
    edit("数据源/离散表", "试油成果", true);
    edit("数据源/相类型字段", "结论", true);
    edit("当前段/相名称", "河口坝", true);

    // The oil test: its data object's fields, a 2 x 3 table; a picture and a graphic kit with a segment each.
    auto* oilTest = plot.First<CWpOilTest>();
    oilTest->SetData(new CDIOilTest({"层位", "日产油", "日产气", "日产水", "累产油", "结论"}));
    oilTest->SetRowNumber(2);
    oilTest->SetColNumber(3);
    oilTest->m_cellTexts = {"层位", "日产油", "日产气", "日产水", "累产油", "结论"};
    oilTest->m_pieUpper = {"层位", "结论"};
    auto* picture = plot.First<CWpPicture>();
    CgPicSegment seg;
    seg.SetRect(0, -1200, 20, -1230);
    seg.SetPictureName("岩心照片.bmp");
    picture->AppendSegment(seg);
    picture->SetActiveSegIndex(0);
    auto* graphic = plot.Add<CWpPicture>(picture->GetParent(), "图形");
    graphic->SetType(1);
    graphic->AppendSegment(seg);
    graphic->SetActiveSegIndex(0);
    auto printOilTest = [&session]() {
        session.Tab(1);
        session.Tab(0);
        session.PrintWindow();
        session.PrintCells();
        session.PrintKit();
    };

    step("select the oil test; type 试油\\n成果 into 标题/名称, 结论 into cell B2, drag the divider of column A to 90");
    session.Select(oilTest);
    session.Grid().TypeText(session.Path("标题/名称"), "试油\\n成果");
    session.EditCell(1, 1, "结论");
    session.DragDivider(0, 90);
    printOilTest();

    step("pick 图文 for 显示设置/显示风格; the kit library renews the stamp and the host announces it again");
    session.Grid().PickOption(session.Path("显示设置/显示风格"), "图文");
    zephyr::testing::Touch(oilTest);
    session.Announce();
    session.Grid().TypeText(session.Path("显示设置/参数宽度/文本道"), "0.65");
    session.Grid().PickOption(session.Path("显示设置/条形图设置/数据选择"), "累产");
    zephyr::testing::Touch(oilTest);
    printOilTest();

    step("on 饼图 pick 累产 for 数据源/类型 and 3 for 饼旁标注/上部属性文本行数");
    session.Tab(1);
    session.Grid().PickOption(session.Path("数据源/类型"), "累产");
    session.Grid().PickOption(session.Path("饼旁标注/上部属性文本行数"), "3");
    session.Announce();
    printOilTest();

    step("select the picture; press the space bar on 当前段属性/锁定比例; then select the graphic");
    session.Select(picture);
    session.Grid().TypeChar(session.Path("当前段属性/锁定比例"), ' ');
    session.Announce();
    session.PrintWindow();
    session.PrintKit();
    session.Select(graphic);
    session.PrintWindow();
    session.PrintKit();

    // The parameter, result and sand-stratum kits: a parameter source and style, a result of the
    // well's data, a sand-stratum kit with five option rows of each kind.
    auto* param = plot.First<CWpParam>();
    param->SetData("当前井", "测井解释", "孔隙度");
    param->SetActiveSeg(1200, 1208.5, "18.5");
    auto* result = plot.First<CWpResult>();
    result->SetData("当前井", "测井解释", "解释结论");
    auto* strata = plot.First<CWpSandStratum>();
    strata->SetOptionRows(5);

    step("select the parameter kit; pick 离散数据, 离散表1 and 值2; pick 图形");
    session.Select(param);
    session.Grid().PickOption(session.Path("数据源/类型"), "离散数据");
    session.Grid().PickOption(session.Path("数据源/表名"), "离散表1");
    session.Grid().PickOption(session.Path("数据源/字段"), "值2");
    session.PrintWindow();
    session.PrintKit();
    session.Grid().PickOption(session.Path("数据源/类型"), "图形");
    session.PrintKit();

    step("on 线 type 0.75 and 1.5mm into 线型设置/粗细, pick 红色 for 颜色模板; on 矩形填充 pick 红色 for both colours and rename it by ...");
    session.Tab(1);
    session.Grid().TypeText(session.Path("线型设置/粗细"), "0.75");
    session.Grid().TypeText(session.Path("线型设置/粗细"), "1.5mm");
    session.Grid().PickOption(session.Path("线型设置/颜色模板"), "红色");
    session.PrintKit();
    session.Tab(4);
    session.Grid().PickOption(session.Path("边界色模板"), "红色");
    session.Grid().PickOption(session.Path("内部色模板"), "红色");
    sorrel::testing::SetEditScript([](CStyleTemplate& t) { t.SetName("朱红"); });
    session.Grid().ClickSecondButton(session.Path("边界色模板"));
    sorrel::testing::SetEditScript(nullptr);
    if (CTemplateColor* renamed = _AfxGetTemplateManager()->GetTemplateColor("朱红")) renamed->SetName("红色");
    session.PrintWindow();
    session.PrintKit();

    step("select the result kit; pick 图形, then 井数据, 分层数据 and 层号");
    session.Select(result);
    session.Grid().PickOption(session.Path("数据源/类型"), "图形");
    session.PrintKit();
    session.Grid().PickOption(session.Path("数据源/类型"), "井数据");
    session.Grid().PickOption(session.Path("数据源/数据表"), "分层数据");
    session.Grid().PickOption(session.Path("数据源/字段"), "层号");
    session.PrintWindow();
    session.PrintKit();

    step("select the sand-stratum kit; pick 三级分层数据; on 填充 set row 2 to FALSE, then rows 3 to 4 at once; on 文本 type 100 and 100.5 as a position");
    session.Select(strata);
    session.Grid().PickOption(session.Path("数据源/数据表"), "三级分层数据");
    session.Tab(1);
    if (CLstSandStratumGrid* grid = session.SandGridPage()) {
        platform::EditGridCell(grid->Grid(), 2, 1, "FALSE");
        platform::SelectGridCells(grid->Grid(), 3, 1, 4, 1);
        platform::EditSelectedGridCells(grid->Grid(), "FALSE");
    }
    session.PrintSandGrid();
    session.Tab(3);
    if (CLstSandStratumGrid* grid = session.SandGridPage()) {
        platform::EditGridCell(grid->Grid(), 1, 2, "100");
        platform::EditGridCell(grid->Grid(), 2, 2, "100.5");
    }
    session.PrintSandGrid();
    session.PrintKit();
    zephyr::testing::ResetDataCatalogue();

    RunSymbolKitSteps(session, plot, out);
    RunTextKitSteps(session, plot, out);
    RunProfileKitSteps(session, plot, out);

    step("the sheet of every kit of the plot, all pages shown");
    for (CWpKit* kit : plot.AllKits()) {
        out << "\n-- " << Describe(kit) << "\n";
        session.Select(kit);
        session.PrintAllPages();
    }
}

}  // namespace demo
