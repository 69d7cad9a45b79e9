#include "ChartDemo.h"
#include "ChartSample.h"

#include "ChartAxesDemo.h"
#include "ChartPlotsDemo.h"

#include <boost/filesystem.hpp>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "chart/ChartDataFiles.h"
#include "chart/ChartGroups.h"
#include "chart/ChartItems.h"
#include "chart/KelCgPropWndCreator.h"
#include "chart/KelPropListBarPlot.h"
#include "chart/KelPropListClassPlotLabelSymbol.h"
#include "chart/PropListTernaryLabel.h"
#include "driver/CellGridDriver.h"
#include "driver/DialogDriver.h"
#include "driver/GridDriver.h"
#include "driver/Responder.h"
#include "driver/SheetDriver.h"
#include "hosttypes/Oriel/IDispManager.h"
#include "hosttypes/Spindle/GridCtrl.h"
#include "hosttypes/Thistle/Axis.h"
#include "hosttypes/Thistle/ChartGraph.h"
#include "hosttypes/Thistle/Legend.h"
#include "hosttypes/Thistle/PiePlot.h"
#include "hosttypes/Thistle/Plots.h"
#include "mfc/FileDialog.h"
#include "mfc/Variant.h"
#include "resources/ModuleResources.h"

namespace demo {

namespace {

void Step(std::ostream& out, const char* what) { out << "\n== " << what << "\n"; }

std::string Join(const std::vector<std::string>& parts) {
    std::string all;
    for (const std::string& part : parts) all += (all.empty() ? "" : " | ") + part;
    return all;
}

// A chart page holding one item, as the plot pages hold them.
template <class Page>
struct PageWithItem {
    PageWithItem(CWnd& frame, CWnd& view, CBCGPProp* item, CQXObject* target) {
        page.Create(nullptr, "page", WS_CHILD | WS_VISIBLE, CRect(0, 0, 320, 400), &frame, 2);
        page.SendMessage(WM_USER + 101, reinterpret_cast<WPARAM>(&view), reinterpret_cast<LPARAM>(target));
        page.CheckTargetChanged(target);
        page.GetPropList().AddProperty(item);
    }
    ~PageWithItem() { page.DestroyWindow(); }
    Page page;
};

CGridCtrl& GridOf(CDialog& dialog, int id) { return *dynamic_cast<CGridCtrl*>(dialog.GetDlgItem(id)); }

}  // namespace

void RunChartDemo(CWnd& frame, CWnd& view, std::ostream& out) {
    DemoChart demo;
    ChartDispManager manager;
    platform::Responder& responder = platform::Responder::Instance();

    Step(out, "the chart creator: the sheet of every chart object");
    for (const auto& [label, object] : demo.Kinds()) {
        manager.Activate(object);
        CWnd* sheet = CKelCgPropWndCreator::CreateObjProp(&manager, &frame);
        out << label << ": " << (sheet ? Join(platform::TabCaptions(*sheet)) : "(none)") << "\n";
        if (sheet) platform::DestroyAndDelete(sheet);
    }
    CkelAxisDateTime dates;
    manager.Activate(&dates);
    out << "日期轴: " << (CKelCgPropWndCreator::CreateObjProp(&manager, &frame) ? "a sheet" : "(none)") << "\n";

    Step(out, "bind the line plot to a statistics file through \"选择数据……\"");
    boost::system::error_code error;
    const boost::filesystem::path folder =
        boost::filesystem::temp_directory_path(error) / boost::filesystem::unique_path("tessaly-%%%%-%%%%");
    boost::filesystem::create_directories(folder, error);
    const boost::filesystem::path file = folder / "测井统计.txt";
    std::ofstream(file.string()) << "深度\t孔隙度\t岩性\n1200\t12.5\t砂岩\n1210\t18\t泥岩\n1225\t22.5\t砂岩\n";
    std::unique_ptr<CBCGPProp> group(new CBCGPProp("数据", 1, FALSE));
    CBCGPProp* table = chart::NewListItem("数据表", "", 2, kOtherRefused, false);
    group->AddSubItem(table);
    chart::FillDataTableOptions(table, &demo.line);
    table->SetValue(_variant_t("选择数据……"));
    responder.QueueDialogScript(platform::kFileDialogTemplateId,
                                [&](CDialog& d) { platform::ChooseFile(d, file.string()); });
    chart::OnDataTableChanged(&demo.line, group.get());
    out << "曲线图 dataset: " << demo.line.GetDataset()->GetName() << ", rows "
        << demo.line.GetDataRange()->GetFirstRow() + 1 << " to " << demo.line.GetDataRange()->GetLastRow() + 1
        << "\n";
    table->SetValue(_variant_t("选择数据……"));
    responder.QueueDialogScript(platform::kFileDialogTemplateId,
                                [&](CDialog& d) { platform::ChooseFile(d, file.string()); });
    chart::OnDataTableChanged(&demo.line, group.get());
    out << "the same file again: " << responder.MessageBoxes().back().text << "; the item shows "
        << VariantToText(table->GetValue()).str() << "\n";
    boost::filesystem::remove_all(folder, error);

    Step(out, "the bar plot's data series: move 渗透率 up, check it, OK");
    {
        PageWithItem<CkelPropListBarPlot> holder(frame, view, new CBCGPPropBarDataSery("数据系列", _variant_t(""), "", 30),
                                                 &demo.bar);
        responder.QueueDialogScript(IDD_BAR_DATA_SERY, [&](CDialog& d) {
            CGridCtrl& grid = GridOf(d, IDC_SERY_GRID);
            grid.SetFocusCell(3, 1);
            platform::PressButton(d, IDC_SERY_MOVE_UP);
            platform::ClickGridCell(grid, 2, 0);
            platform::PressButton(d, IDOK);
        });
        platform::GridDriver driver(&holder.page.GetPropList());
        driver.RightClickValue(driver.FindByData(30));
        std::vector<std::string> order;
        demo.bar.GetFillSeryGroup()->GetDataSetOrder(order);
        out << "order: " << Join(order) << "; drawn: " << demo.bar.GetFillSeryGroup()->GetSeryNums() << " series\n";
    }

    Step(out, "the class plot's classes: statistics, apply, widen the second class");
    {
        auto* item = new CPropLstUniSetSymbol("统一设置", "否", "是否统一设置符号", 18, "...");
        item->AddOption("是");
        item->AddOption("否");
        PageWithItem<CkelPropListClassPlotLabelSymbol> holder(frame, view, item, &demo.classes);
        item->SetOwnerPage(&holder.page);
        responder.QueueDialogScript(IDD_CHART_RANGE, [](CDialog& r) {
            platform::SetControlText(r, IDC_RANGE_LEFT, "11");
            platform::PressButton(r, IDOK);
        });
        responder.QueueDialogScript(IDD_CHART_CLASS_SET, [&](CDialog& d) {
            platform::PressButton(d, IDC_CLASS_STATISTICS);
            out << "统计: " << platform::ControlText(d, IDC_CLASS_MIN) << " / " << platform::ControlText(d, IDC_CLASS_MAX)
                << " / " << platform::ControlText(d, IDC_CLASS_INTERVAL) << "\n";
            platform::PressButton(d, IDC_CLASS_APPLY);
            CGridCtrl& grid = GridOf(d, IDC_CLASS_GRID);
            platform::ClickGridCell(grid, 2, 1);
            for (int r = 1; r < grid.GetRowCount(); ++r)
                out << grid.GetItemText(r, 0).str() << "  " << grid.GetItemText(r, 1).str() << "\n";
            platform::PressButton(d, IDOK);
        });
        platform::GridDriver driver(&holder.page.GetPropList());
        driver.ClickSecondButton(item);
        out << "classes: " << demo.classes.GetClassificationManager()->GetClassNum() << ", view repainted "
            << view.GetPaintCounters().update << " times so far\n";
    }

    Step(out, "the ternary plot's symbols: a star for 泥岩, then Cancel");
    {
        PageWithItem<CPropListTernaryLabel> holder(frame, view, new CBCGPPropSymbolSet("符号设置", _variant_t(""), "", 31),
                                                   &demo.ternaryPlot);
        responder.QueueDialogScript(IDD_TERNARY_SYMBOL, [](CDialog& d) {
            QXLOGPOINT star;
            star.style = 1005;
            star.size = 400;
            GridOf(d, IDC_SYMBOL_GRID).UserPickSymbol(2, 2, star);
            platform::PressButton(d, IDCANCEL);
        });
        platform::GridDriver driver(&holder.page.GetPropList());
        driver.RightClickValue(driver.FindByData(31));
        out << "泥岩 symbol style: " << demo.ternaryPlot.GetClass(1)->m_symbol.style << "\n";
    }

    RunChartAxesDemo(frame, view, out);
    RunChartPlotsDemo(frame, view, out);
}

}  // namespace demo
