// The classification, range, data-series and symbol dialogs, and the chart items that open them.
#include <gtest/gtest.h>

#include <memory>

#include "ChartFixture.h"
#include "chart/ChartItems.h"
#include "chart/DlgBarDataSerySet.h"
#include "chart/DlgChartClassSet.h"
#include "chart/DlgRange.h"
#include "chart/DlgTerSymbol.h"
#include "chart/KelPropListBarPlot.h"
#include "chart/KelPropListClassPlotLabelSymbol.h"
#include "chart/PropListTernaryLabel.h"
#include "driver/CellGridDriver.h"
#include "driver/DialogDriver.h"
#include "driver/GridDriver.h"
#include "driver/Responder.h"
#include "framework/FrameworkFixtures.h"
#include "framework/TwoButtonProp.h"
#include "hostlibs/Thistle/ThistleTesting.h"
#include "mfc/Variant.h"
#include "resources/ModuleResources.h"

using platform::PressButton;
using platform::Responder;
using platform::SetControlText;
using tsltest::HostWindow;

namespace {

std::vector<std::string> Boxes() {
    std::vector<std::string> texts;
    for (const auto& box : Responder::Instance().MessageBoxes()) texts.push_back(box.text);
    return texts;
}

CGridCtrl& GridOf(CDialog& d, int id) { return *dynamic_cast<CGridCtrl*>(d.GetDlgItem(id)); }

// A class plot over "分类": 值 0, 10, 25, 50 (numbers) and 岩性 (texts); classes built from 值.
class ClassDialog : public ::testing::Test {
protected:
    void SetUp() override {
        data_.SetName("分类");
        auto* values = new CkelDataSeryDouble();
        values->SetName("值");
        auto* rocks = new CkelDataSeryString();
        rocks->SetName("岩性");
        for (double v : {0.0, 10.0, 25.0, 50.0}) values->AddData(v);
        for (const char* r : {"砂岩", "泥岩", "砂岩", "灰岩"}) rocks->AddData(r);
        data_.AddDataSery(values);
        data_.AddDataSery(rocks);
        plot_.SetDataset(&data_);
        plot_.SetClassCol(0);
        Manager()->SetClassPara(30, 0, 10);  // [0,10] [10,20] [20,30]
    }
    CkelClassificationManager* Manager() { return plot_.GetClassificationManager(); }
    double Min(unsigned i) { return Manager()->GetClassEntity(i)->m_dMin; }
    double Max(unsigned i) { return Manager()->GetClassEntity(i)->m_dMax; }
    void Run(std::function<void(CDialog&)> script) {
        Responder::Instance().QueueDialogScript(IDD_CHART_CLASS_SET, std::move(script));
        CDlgChartClassSet dialog(&plot_);
        EXPECT_EQ(dialog.DoModal(), IDOK);
    }

    CkelDataset data_;
    CkelClassPlot plot_;
};

TEST_F(ClassDialog, OpensWithTheClassesAndComputesTheDefaultInterval) {
    Run([](CDialog& d) {
        CGridCtrl& grid = GridOf(d, IDC_CLASS_GRID);
        EXPECT_EQ(grid.GetRowCount(), 4);
        EXPECT_EQ(grid.GetFixedColumnCount(), 2);
        EXPECT_EQ(grid.GetItemText(0, 1), "分类类别");
        EXPECT_EQ(grid.GetItemText(2, 0), "2");
        EXPECT_EQ(grid.GetItemText(2, 1), "10.00 - 20.00");
        EXPECT_EQ(platform::ControlText(d, IDC_CLASS_MIN), "0");
        PressButton(d, IDC_CLASS_STATISTICS);
        EXPECT_EQ(platform::ControlText(d, IDC_CLASS_MIN), "0");
        EXPECT_EQ(platform::ControlText(d, IDC_CLASS_MAX), "50");
        EXPECT_EQ(platform::ControlText(d, IDC_CLASS_INTERVAL), "10");
        PressButton(d, IDC_CLASS_APPLY);
        EXPECT_EQ(grid.GetRowCount(), 6);
        EXPECT_EQ(grid.GetItemText(5, 1), "40.00 - 50.00");
        PressButton(d, IDOK);
    });
    EXPECT_EQ(Manager()->GetClassNum(), 5u);
}

TEST_F(ClassDialog, RefusedParametersLeaveAnEmptyGrid) {
    Run([](CDialog& d) {
        SetControlText(d, IDC_CLASS_MIN, "10");
        SetControlText(d, IDC_CLASS_MAX, "5");
        SetControlText(d, IDC_CLASS_INTERVAL, "1");
        PressButton(d, IDC_CLASS_APPLY);
        EXPECT_EQ(GridOf(d, IDC_CLASS_GRID).GetRowCount(), 1);
        PressButton(d, IDOK);
    });
    EXPECT_EQ(Boxes(), std::vector<std::string>{"请设置正确的参数!"});
}

TEST_F(ClassDialog, ANumberNoDoubleHoldsIsRefusedWithTheLibraryPrompt) {
    Run([](CDialog& d) {
        SetControlText(d, IDC_CLASS_MAX, "1e400");
        PressButton(d, IDC_CLASS_APPLY);
        EXPECT_EQ(GridOf(d, IDC_CLASS_GRID).GetRowCount(), 4) << "nothing rebuilt";
        SetControlText(d, IDC_CLASS_MAX, "30");
        PressButton(d, IDOK);
    });
    EXPECT_EQ(Boxes(), std::vector<std::string>{platform::kParseRealPrompt});
    EXPECT_EQ(Manager()->GetClassNum(), 3u);
}

TEST_F(ClassDialog, CharacterClassesCannotBeDeleted) {
    plot_.SetClassCol(1);
    Run([](CDialog& d) {
        EXPECT_FALSE(d.GetDlgItem(IDC_CLASS_STATISTICS)->IsWindowEnabled());
        EXPECT_FALSE(d.GetDlgItem(IDC_CLASS_DELETE)->IsWindowEnabled());
        auto* combo = dynamic_cast<CComboBox*>(d.GetDlgItem(IDC_CLASS_COLUMN_TYPE));
        EXPECT_EQ(combo->GetLBText(combo->GetCurSel()), "字符型");
        PressButton(d, IDC_CLASS_APPLY);
        EXPECT_EQ(GridOf(d, IDC_CLASS_GRID).GetItemText(3, 1), "灰岩");
        auto* self = static_cast<CDlgChartClassSet*>(&d);
        self->SendMessage(WM_COMMAND, IDC_CLASS_DELETE, 0);  // the button is disabled; the handler still refuses
        PressButton(d, IDOK);
    });
    EXPECT_EQ(Boxes(), std::vector<std::string>{"字符形分类不允许删除！"});
    EXPECT_EQ(Manager()->GetClassNum(), 3u);
}

TEST_F(ClassDialog, DeleteTakesTheSelectedRowAndShowsTheMergedRange) {
    Run([](CDialog& d) {
        CGridCtrl& grid = GridOf(d, IDC_CLASS_GRID);
        PressButton(d, IDC_CLASS_DELETE);  // nothing selected
        EXPECT_TRUE(platform::ClickGridCell(grid, 2, 0));
        PressButton(d, IDC_CLASS_DELETE);
        EXPECT_EQ(grid.GetRowCount(), 3);
        EXPECT_EQ(grid.GetItemText(2, 1), "10.00 - 30.00");
        PressButton(d, IDC_CLASS_DELETE_ALL);
        EXPECT_EQ(grid.GetRowCount(), 1);
        PressButton(d, IDOK);
    });
    EXPECT_EQ(Boxes(), std::vector<std::string>{"此行不允许删除！"});
    EXPECT_EQ(Manager()->GetClassNum(), 0u);
}

TEST_F(ClassDialog, WithoutAClassSeriesDeleteAndApplyDoNothing) {
    plot_.SetDataset(nullptr);
    plot_.SetClassCol(0);
    Run([](CDialog& d) {
        PressButton(d, IDC_CLASS_APPLY);
        PressButton(d, IDC_CLASS_DELETE);
        EXPECT_EQ(GridOf(d, IDC_CLASS_GRID).GetRowCount(), 4);
        PressButton(d, IDOK);
    });
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Manager()->GetClassNum(), 3u);
}

TEST_F(ClassDialog, RangeEditsKeepNeighboursContiguous) {
    Responder::Instance().QueueDialogScript(IDD_CHART_RANGE, [](CDialog& r) {
        EXPECT_EQ(platform::ControlText(r, IDC_RANGE_LEFT), "10");
        SetControlText(r, IDC_RANGE_LEFT, "12");
        PressButton(r, IDOK);
    });
    Responder::Instance().QueueDialogScript(IDD_CHART_RANGE, [](CDialog& r) {
        SetControlText(r, IDC_RANGE_RIGHT, "30");  // the next class's maximum
        PressButton(r, IDOK);
        EXPECT_TRUE(static_cast<CDlgRange&>(r).IsModalRunning());
        PressButton(r, IDCANCEL);
    });
    Run([](CDialog& d) {
        CGridCtrl& grid = GridOf(d, IDC_CLASS_GRID);
        EXPECT_TRUE(platform::ClickGridCell(grid, 2, 1));
        EXPECT_EQ(grid.GetItemText(1, 1), "0.00 - 12.00");
        EXPECT_EQ(grid.GetItemText(2, 1), "12.00 - 20.00");
        EXPECT_TRUE(platform::ClickGridCell(grid, 2, 1));
        PressButton(d, IDOK);
    });
    EXPECT_DOUBLE_EQ(Max(0), 12);
    EXPECT_DOUBLE_EQ(Min(1), 12);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"终止值不能大于30.000000"});
    EXPECT_DOUBLE_EQ(Max(1), 20);
}

TEST_F(ClassDialog, SymbolPickedInTheGridReachesTheClass) {
    QXLOGPOINT star;
    star.style = 1042;
    star.innerColor = RGB(1, 2, 3);
    Run([&](CDialog& d) {
        EXPECT_TRUE(GridOf(d, IDC_CLASS_GRID).UserPickSymbol(3, 2, star));
        PressButton(d, IDOK);
    });
    EXPECT_EQ(Manager()->GetClassEntity(2)->m_symbol.style, 1042u);
    EXPECT_FALSE(Manager()->GetIsNeedRebuild());
}

// ---- the range dialog alone ---------------------------------------------------------------------

TEST_F(ClassDialog, ARefusedRightValueLeavesEveryClassAsItWas) {
    Responder::Instance().QueueDialogScript(IDD_CHART_RANGE, [](CDialog& r) {
        SetControlText(r, IDC_RANGE_LEFT, "12");   // acceptable
        SetControlText(r, IDC_RANGE_RIGHT, "35");  // beyond the next class's maximum
        PressButton(r, IDOK);
        SetControlText(r, IDC_RANGE_RIGHT, "1e400");
        PressButton(r, IDOK);
        SetControlText(r, IDC_RANGE_LEFT, "0");  // the first class's left value is fixed
        PressButton(r, IDCANCEL);
    });
    CDlgRange range(IDD_CHART_RANGE);
    range.m_pManager = Manager();
    range.m_nIndex = 1;
    EXPECT_EQ(range.DoModal(), IDCANCEL);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"终止值不能大于30.000000", platform::kParseRealPrompt}));
    EXPECT_DOUBLE_EQ(Max(0), 10);
    EXPECT_DOUBLE_EQ(Min(1), 10);
    EXPECT_DOUBLE_EQ(Max(1), 20);

    Responder::Instance().QueueDialogScript(IDD_CHART_RANGE, [](CDialog& r) {
        SetControlText(r, IDC_RANGE_LEFT, "3");
        PressButton(r, IDOK);
        EXPECT_EQ(platform::ControlText(r, IDC_RANGE_LEFT), "0");
        SetControlText(r, IDC_RANGE_RIGHT, "9.99995");  // within the tolerance: no change
        PressButton(r, IDOK);
    });
    range.m_nIndex = 0;
    EXPECT_EQ(range.DoModal(), IDOK);
    EXPECT_EQ(Boxes().back(), "左值不允许改变！");
    EXPECT_DOUBLE_EQ(Max(0), 10);
}

// ---- data-series dialog -------------------------------------------------------------------------

class SeriesDialog : public ::testing::Test {
protected:
    void SetUp() override {
        group_ = s_.bar.GetFillSeryGroup();
        group_->AddSery("深度");
        group_->AddSery("孔隙度");
    }
    INT_PTR Run(std::function<void(CDialog&)> script) {
        Responder::Instance().QueueDialogScript(IDD_BAR_DATA_SERY, std::move(script));
        CDlgBarDataSerySet dialog(group_);
        return dialog.DoModal();
    }
    tsltest::SampleChart s_;
    CBarFillSeryGrp* group_ = nullptr;
};

TEST_F(SeriesDialog, MoveUpSwapsWithTheRowAboveAndOrderIsKeptOnOK) {
    EXPECT_EQ(Run([](CDialog& d) {
                  CGridCtrl& grid = GridOf(d, IDC_SERY_GRID);
                  ASSERT_EQ(grid.GetRowCount(), 4);
                  EXPECT_EQ(grid.GetItemText(3, 0), "FALSE");
                  EXPECT_EQ(grid.GetItemText(3, 1), "岩性");
                  PressButton(d, IDC_SERY_MOVE_UP);  // no focus: nothing
                  grid.SetFocusCell(3, 1);
                  PressButton(d, IDC_SERY_MOVE_UP);
                  EXPECT_EQ(grid.GetItemText(2, 1), "岩性");
                  EXPECT_EQ(grid.GetItemText(2, 0), "FALSE");
                  EXPECT_EQ(grid.GetItemText(3, 1), "孔隙度");
                  EXPECT_EQ(grid.GetFocusCell().row, 2);
                  EXPECT_EQ(grid.GetSelectedCellRange().GetMinRow(), 2);
                  EXPECT_EQ(grid.GetSelectedCellRange().GetMaxCol(), 1);
                  grid.SetFocusCell(1, 1);
                  PressButton(d, IDC_SERY_MOVE_UP);  // the first data row stays
                  EXPECT_EQ(grid.GetItemText(1, 1), "深度");
                  EXPECT_FALSE(grid.SetFocusCell(0, 1)) << "a header row is never focused";
                  PressButton(d, IDOK);
              }),
              IDOK);
    std::vector<std::string> order;
    group_->GetDataSetOrder(order);
    EXPECT_EQ(order, (std::vector<std::string>{"深度", "岩性", "孔隙度"}));
}

TEST_F(SeriesDialog, HeaderClickTurnsEveryRowToTheOppositeOfTheSecond) {
    EXPECT_EQ(Run([](CDialog& d) {
                  CGridCtrl& grid = GridOf(d, IDC_SERY_GRID);
                  EXPECT_EQ(grid.GetItemText(2, 0), "TRUE");
                  platform::ClickGridHeader(grid, 0);
                  for (int r = 1; r <= 3; ++r) EXPECT_EQ(grid.GetItemText(r, 0), "FALSE") << r;
                  PressButton(d, IDOK);  // none checked: refused, the first is checked again
                  EXPECT_TRUE(static_cast<CDlgBarDataSerySet&>(d).IsModalRunning());
                  EXPECT_EQ(grid.GetItemText(1, 0), "TRUE");
                  PressButton(d, IDOK);
              }),
              IDOK);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"请至少添加一个序列！"});
    EXPECT_EQ(group_->GetSeryNums(), 1u);
    EXPECT_TRUE(group_->IsSeryInGroup("深度"));
}

TEST_F(SeriesDialog, CancelLeavesTheGroup) {
    EXPECT_EQ(Run([](CDialog& d) {
                  CGridCtrl& grid = GridOf(d, IDC_SERY_GRID);
                  platform::ClickGridCell(grid, 3, 0);  // check 岩性
                  EXPECT_EQ(grid.GetItemText(3, 0), "TRUE");
                  PressButton(d, IDCANCEL);
              }),
              IDCANCEL);
    EXPECT_EQ(group_->GetSeryNums(), 2u);
    EXPECT_FALSE(group_->IsSeryInGroup("岩性"));
}

// ---- ternary symbols ----------------------------------------------------------------------------

TEST(TernarySymbolDialog, APickTakesEffectAtOnceEvenWhenCancelled) {
    CkelTernaryPlot plot;
    for (const char* name : {"砂岩", "泥岩"}) {
        CClassEntity entity;
        entity.m_strName = name;
        plot.AddClass(entity);
    }
    QXLOGPOINT star;
    star.style = 1007;
    Responder::Instance().QueueDialogScript(IDD_TERNARY_SYMBOL, [&](CDialog& d) {
        CGridCtrl& grid = GridOf(d, IDC_SYMBOL_GRID);
        EXPECT_EQ(grid.GetItemText(2, 1), "泥岩");
        EXPECT_TRUE(grid.UserPickSymbol(2, 2, star));
        EXPECT_FALSE(grid.UserPickSymbol(2, 1, star)) << "not a symbol cell";
        PressButton(d, IDCANCEL);
    });
    CDlgTerSymbol dialog(&plot);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(plot.GetClass(1)->m_symbol.style, 1007u);
    EXPECT_EQ(plot.GetClass(0)->m_symbol.style, 0u);
}

// ---- chart items --------------------------------------------------------------------------------

template <class Page>
struct ItemPage {
    explicit ItemPage(HostWindow& host) {
        page.Create(nullptr, "page", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 400), &host.frame, 2);
        page.SendMessage(WM_PROP_SELCHANGED, reinterpret_cast<WPARAM>(&host.view), 0);
    }
    ~ItemPage() { page.DestroyWindow(); }
    platform::GridDriver Driver() { return platform::GridDriver(&page.GetPropList()); }
    Page page;
};

TEST(ChartItems, DataSeriesItemNeedsABarPlotAndNotifiesOnlyAfterOK) {
    HostWindow host;
    tsltest::SampleChart s;
    ItemPage<CkelPropListBarPlot> holder(host);
    auto* item = new CBCGPPropBarDataSery("数据系列", _variant_t(""), "", 30);
    holder.page.GetPropList().AddProperty(item);
    EXPECT_TRUE(holder.Driver().RightClickValue(item));  // no target yet: nothing (no dialog)

    holder.page.CheckTargetChanged(&s.bar);
    Responder::Instance().QueueDialogScript(IDD_BAR_DATA_SERY, [](CDialog& d) { PressButton(d, IDCANCEL); });
    const uint64_t stamp = s.bar.GetTimeStamp();
    holder.Driver().RightClickValue(item);
    EXPECT_EQ(s.bar.GetTimeStamp(), stamp) << "Cancel leaves the plot unnotified";
    const int paints = host.view.GetPaintCounters().update;

    Responder::Instance().QueueDialogScript(IDD_BAR_DATA_SERY, [](CDialog& d) {
        platform::ClickGridCell(GridOf(d, IDC_SERY_GRID), 1, 0);
        PressButton(d, IDOK);
    });
    holder.Driver().RightClickValue(item);
    EXPECT_GT(s.bar.GetTimeStamp(), stamp);
    EXPECT_TRUE(s.bar.GetFillSeryGroup()->IsSeryInGroup("深度"));
    EXPECT_GT(host.view.GetPaintCounters().update, paints);
}

TEST(ChartItems, SymbolItemOpensOnlyOnATernaryPlot) {
    HostWindow host;
    tsltest::SampleChart s;
    ItemPage<CPropListTernaryLabel> holder(host);
    auto* item = new CBCGPPropSymbolSet("符号设置", _variant_t(""), "", 31);
    holder.page.GetPropList().AddProperty(item);
    holder.page.CheckTargetChanged(&s.bar);
    holder.Driver().RightClickValue(item);  // a bar plot: nothing
    holder.page.CheckTargetChanged(&s.ternaryPlot);
    Responder::Instance().QueueDialogScript(IDD_TERNARY_SYMBOL, [](CDialog& d) { PressButton(d, IDOK); });
    holder.Driver().RightClickValue(item);
    EXPECT_EQ(Responder::Instance().Dialogs().size(), 1u);
}

TEST(ChartItems, UniformSymbolSecondButton) {
    HostWindow host;
    tsltest::SampleChart s;
    ItemPage<CkelPropListClassPlotLabelSymbol> holder(host);
    auto* item = new CPropLstUniSetSymbol("统一设置", "", "是否统一设置符号", 18, "...");
    EXPECT_EQ(item->GetOptionCount(), 0) << "built with no options: its page adds them";
    item->AddOption("是");
    item->AddOption("否");
    item->SetOwnerPage(&holder.page);
    holder.page.GetPropList().AddProperty(item);
    platform::GridDriver driver = holder.Driver();
    const int paints = host.view.GetPaintCounters().update;
    holder.page.CheckTargetChanged(&s.classes);
    driver.ClickSecondButton(item);  // no value: nothing
    EXPECT_EQ(host.view.GetPaintCounters().update, paints);
    item->SetValue(_variant_t("是"));
    driver.ClickSecondButton(item);
    EXPECT_GT(host.view.GetPaintCounters().update, paints);
    EXPECT_TRUE(Responder::Instance().Dialogs().empty());
    item->SetValue(_variant_t("否"));
    Responder::Instance().QueueDialogScript(IDD_CHART_CLASS_SET, [](CDialog& d) { PressButton(d, IDCANCEL); });
    driver.ClickSecondButton(item);
    ASSERT_EQ(Responder::Instance().Dialogs().size(), 1u);
    EXPECT_EQ(Responder::Instance().Dialogs()[0].caption, "分类设置");
    EXPECT_TRUE(driver.ClickFirstButton(item));
    EXPECT_EQ(holder.page.GetPropList().GetEditedItem(), item) << "the first button drops the list";
    // The layout of the other two-button items: the library's button, then the item's own.
    EXPECT_EQ(item->GetFirstButtonRect(), TwoButtonFirst(item->GetRect()));
    EXPECT_EQ(item->GetSecondButtonRect(), TwoButtonSecond(item->GetRect()));
}

}  // namespace
