// Binding plots to datasets and statistics data files, the value-label group, data rows, option
// lists, the fill group and the percentage unit.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "ChartFixture.h"
#include "chart/ChartDataFiles.h"
#include "chart/ChartGroups.h"
#include "driver/Responder.h"
#include "hostlibs/Thistle/ThistleTesting.h"
#include "mfc/FileDialog.h"
#include "mfc/Variant.h"

using tsltest::SampleChart;
namespace fs = std::filesystem;

namespace {

CString Text(CBCGPProp* item) { return VariantToText(item->GetValue()); }

std::vector<std::string> Boxes() {
    std::vector<std::string> texts;
    for (const auto& box : platform::Responder::Instance().MessageBoxes()) texts.push_back(box.text);
    return texts;
}

bool Logged(const std::string& operation) {
    const auto& log = thistle::testing::CallLog();
    return std::find(log.begin(), log.end(), operation) != log.end();
}

// A folder of statistics files that goes away with the test.
class DataFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("tessaly-chart-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        group_.reset(new CBCGPProp("数据", 100, FALSE));
        item_ = chart::NewListItem("数据表", "", 101, kOtherRefused, false);
        group_->AddSubItem(item_);
        chart::FillDataTableOptions(item_, &s_.bar);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& content) {
        const fs::path path = dir_ / name;
        std::ofstream(path) << content;
        return path.string();
    }
    static void Choose(const std::string& path) {
        platform::Responder::Instance().QueueDialogScript(platform::kFileDialogTemplateId,
                                                          [path](CDialog& d) { platform::ChooseFile(d, path); });
    }
    void PickChooseData() { item_->SetValue(_variant_t("选择数据……")); }

    fs::path dir_;
    SampleChart s_;
    std::unique_ptr<CBCGPProp> group_;
    CBCGPProp* item_ = nullptr;
};

TEST_F(DataFiles, MissingFileOrCancelShowsThePlotsDatasetAgain) {
    PickChooseData();
    Choose((dir_ / "absent.txt").string());
    EXPECT_FALSE(chart::BindDataTableChoice(&s_.bar, group_.get()));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"文件不存在,请重新选择!"});
    EXPECT_EQ(Text(item_), "井数据");
    EXPECT_EQ(s_.bar.GetDataset(), s_.wells);

    PickChooseData();
    platform::Responder::Instance().QueueDialogScript(platform::kFileDialogTemplateId,
                                                      [](CDialog& d) { platform::CancelFileDialog(d); });
    EXPECT_FALSE(chart::BindDataTableChoice(&s_.bar, group_.get()));
    EXPECT_EQ(Text(item_), "井数据");
    EXPECT_EQ(Boxes().size(), 1u);
}

TEST_F(DataFiles, ANameTakenIsRefusedBeforeTheAdapterIsAsked) {
    s_.chart.GetDatasetManagerObj()->CreateDataset("well.txt");
    const std::string path = Write("well.txt", "深度 孔隙度\n1 2\n");
    PickChooseData();
    Choose(path);
    thistle::testing::ClearCallLog();
    EXPECT_FALSE(chart::BindDataTableChoice(&s_.bar, group_.get()));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"此数据集已存在,请重新选择!"});
    EXPECT_FALSE(Logged("CChartDataFactory::GetAdapterInstance"));
    EXPECT_EQ(Text(item_), "井数据");
}

TEST_F(DataFiles, UnsupportedFormatAndUnreadableFile) {
    PickChooseData();
    Choose(Write("grid.bin", "x"));
    EXPECT_FALSE(chart::BindDataTableChoice(&s_.bar, group_.get()));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"不支持此文件格式！"});
    EXPECT_EQ(Text(item_), "选择数据……") << "the item keeps the choice (a page shows the dataset again)";

    platform::Responder::Instance().ClearMessageBoxes();
    Choose(Write("empty.dat", "\n\n"));  // no header line: the adapter's first step fails
    EXPECT_FALSE(chart::BindDataTableChoice(&s_.bar, group_.get()));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Text(item_), "井数据");
    EXPECT_FALSE(s_.chart.GetDatasetManagerObj()->IsDatasetExist("empty.dat"));
}

TEST_F(DataFiles, AnUnsuitableDatasetStaysInTheManagerAndThePlotKeepsItsOwn) {
    PickChooseData();
    Choose(Write("names.txt", "井名\nA1\nA2\n"));
    chart::OnDataTableChanged(&s_.bar, group_.get());
    EXPECT_EQ(Boxes(), std::vector<std::string>{"数据集不符合要求，请重新选择!"});
    EXPECT_EQ(s_.bar.GetDataset(), s_.wells);
    EXPECT_TRUE(s_.chart.GetDatasetManagerObj()->IsDatasetExist("names.txt"));
    Choose((dir_ / "names.txt").string());  // the same file again is a taken name
    chart::OnDataTableChanged(&s_.bar, group_.get());
    EXPECT_EQ(Boxes().back(), "此数据集已存在,请重新选择!");
}

TEST_F(DataFiles, ASuitableFileBindsThePlotThenTellsTheChart) {
    PickChooseData();
    Choose(Write("well.txt", "深度\t孔隙度\n1\t0.2\n2\t0.25\n3\t0.3\n"));
    thistle::testing::ClearCallLog();
    chart::OnDataTableChanged(&s_.bar, group_.get());
    EXPECT_TRUE(Boxes().empty());
    CkelDataset* loaded = s_.chart.GetDatasetManagerObj()->GetDataset(std::string("well.txt"));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetNumOfSeries(), 2u);
    EXPECT_EQ(loaded->GetRows(), 3u);
    EXPECT_EQ(s_.bar.GetDataset(), loaded);
    EXPECT_EQ(s_.bar.GetDataRange()->GetLastRow(), 2u);
    std::vector<std::string> binding;
    for (const std::string& op : thistle::testing::CallLog())
        if (op == "IkelPlot::SetOuterDataset" || op == "IkelPlot::UpdateByDataset" || op == "IChartGraph::OnChanged")
            binding.push_back(op);
    EXPECT_EQ(binding, (std::vector<std::string>{"IkelPlot::SetOuterDataset", "IkelPlot::UpdateByDataset",
                                                 "IChartGraph::OnChanged"}));
}

TEST_F(DataFiles, ABareNameGetsTheDefaultExtension) {
    Choose((dir_ / "well").string());
    std::string path;
    ASSERT_TRUE(chart::BrowseStatDataFile(path));
    EXPECT_EQ(path, (dir_ / "well.打开统计数据").string());
}

TEST_F(DataFiles, ExistingDatasetsAreCheckedUnlessThePlotsOwn) {
    item_->SetValue(_variant_t("区块"));  // one number column: too little for a bar plot
    EXPECT_FALSE(chart::BindDataTableChoice(&s_.bar, group_.get()));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"数据集不符合要求，请重新选择!"});
    EXPECT_EQ(s_.bar.GetDataset(), s_.wells);
    item_->SetValue(_variant_t("区块"));
    EXPECT_TRUE(chart::BindDataTableChoice(&s_.histogram, group_.get()));
    EXPECT_EQ(s_.histogram.GetDataset(), s_.blocks);
    thistle::testing::ClearCallLog();
    EXPECT_TRUE(chart::BindDataTableChoice(&s_.histogram, group_.get())) << "its own dataset is bound again";
    EXPECT_TRUE(Logged("IChartGraph::OnChanged"));
    item_->SetValue(_variant_t(""));
    EXPECT_FALSE(chart::BindDataTableChoice(&s_.histogram, group_.get())) << "a name no dataset carries";
    // Any item names its dataset, not only a list of them.
    CBCGPProp plain("数据", 200, FALSE);
    CBCGPProp* named = new CBCGPProp("数据表", _variant_t("井数据"), "", 201);
    plain.AddSubItem(named);
    chart::OnDataTableChanged(&s_.histogram, &plain);
    EXPECT_EQ(s_.histogram.GetDataset(), s_.wells);

    thistle::testing::ClearCallLog();
    item_->SetValue(_variant_t("井数据"));
    EXPECT_EQ(chart::UseExistingDataset(item_, &s_.bar), s_.wells);
    EXPECT_FALSE(Logged("CChartGraphUtility::IsDataSetValidateForPlot")) << "the plot's own dataset is not checked";
    item_->SetValue(_variant_t("无此数据"));
    EXPECT_EQ(chart::UseExistingDataset(item_, &s_.bar), nullptr);
}

TEST_F(DataFiles, WithoutADatasetManagerNothingHappens) {
    s_.chart.SetDatasetManagerObj(nullptr);
    PickChooseData();
    EXPECT_FALSE(chart::BindDataTableChoice(&s_.bar, group_.get()));  // no file dialog is opened
    EXPECT_EQ(s_.bar.GetDataset(), s_.wells);
    CBCGPProp table("数据表", _variant_t("x"), "", 1);
    table.AddOption("x");
    chart::FillDataTableOptions(&table, &s_.bar);
    EXPECT_EQ(table.GetOptionCount(), 1) << "options untouched";
}

// ---- rows ---------------------------------------------------------------------------------------

TEST(ChartRows, FirstLastAndStepAreCheckedAgainstTheRange) {
    SampleChart s;
    CBCGPProp first("起始行", _variant_t(""), "", 1), last("结束行", _variant_t(""), "", 2),
        step("步长", _variant_t(""), "", 3);
    chart::ShowFirstRow(&first, &s.line);
    EXPECT_EQ(Text(&first), "1");
    first.SetValue(_variant_t("10"));
    chart::OnFirstRowChanged(&first, &s.line);
    EXPECT_EQ(s.line.GetDataRange()->GetFirstRow(), 9u);
    first.SetValue(_variant_t("11"));
    chart::OnFirstRowChanged(&first, &s.line);
    EXPECT_EQ(Boxes(), std::vector<std::string>{"值必须大于等于1,小于等于10"});
    EXPECT_EQ(Text(&first), "10");
    for (const char* refused : {"0", "-3", "abc", "99999999999999999999"}) {
        first.SetValue(_variant_t(refused));
        chart::OnFirstRowChanged(&first, &s.line);
        EXPECT_EQ(s.line.GetDataRange()->GetFirstRow(), 9u) << refused;
    }

    s.line.GetDataRange()->SetFirstRow(2);
    last.SetValue(_variant_t("11"));
    chart::OnLastRowChanged(&last, &s.line);
    EXPECT_EQ(Boxes().back(), "值必须大于等于3,小于等于10");
    EXPECT_EQ(Text(&last), "10");
    last.SetValue(_variant_t("3"));
    chart::OnLastRowChanged(&last, &s.line);
    EXPECT_EQ(s.line.GetDataRange()->GetLastRow(), 2u);

    const std::size_t boxes = Boxes().size();
    step.SetValue(_variant_t("0"));
    EXPECT_FALSE(chart::OnStepChanged(&step, &s.line));
    EXPECT_EQ(s.line.GetDataRange()->GetStep(), 1u);
    EXPECT_EQ(Boxes().size(), boxes) << "the step is refused silently";
    step.SetValue(_variant_t("2"));
    EXPECT_TRUE(chart::OnStepChanged(&step, &s.line));
    EXPECT_EQ(s.line.GetDataRange()->GetStep(), 2u);
    step.SetValue(_variant_t("2147483648"));
    EXPECT_FALSE(chart::OnStepChanged(&step, &s.line));
    EXPECT_EQ(s.line.GetDataRange()->GetStep(), 2u) << "a step the item would show negative";
    step.SetValue(_variant_t("2147483647"));
    chart::OnStepChanged(&step, &s.line);
    EXPECT_EQ(s.line.GetDataRange()->GetStep(), 2147483647u);
}

// ---- value labels -------------------------------------------------------------------------------

TEST(ChartValueLabels, PositionIsStoredInHundredthsAndShownWithOneDecimal) {
    SampleChart s;
    std::unique_ptr<CBCGPProp> group(chart::InitLabelProps("标签"));
    CBCGPProp* position = group->GetSubItem(2);
    ASSERT_EQ(position->GetData(), chart::kLabelPositionId);
    position->GetSubItem(0)->SetValue(_variant_t("2.5"));
    position->GetSubItem(1)->SetValue(_variant_t("abc"));  // a text with no number reads 0
    position->GetSubItem(2)->SetValue(_variant_t("45"));
    CkelPlotLabels* labels = s.line.GetLabels();
    chart::ApplyLabelPosition(position->GetSubItem(0), labels);
    EXPECT_DOUBLE_EQ(labels->GetXoffset(), 250);
    EXPECT_DOUBLE_EQ(labels->GetYoffset(), 0);
    EXPECT_DOUBLE_EQ(labels->GetAngle(), 45);
    chart::RefreshLabelPosition(position, labels);
    EXPECT_EQ(Text(position->GetSubItem(0)), "2.5");
    EXPECT_EQ(Text(position->GetSubItem(2)), "45.0");
}

TEST(ChartValueLabels, DataEditChecksRowsAndFollowsTheYColumnFlag) {
    SampleChart s;
    std::unique_ptr<CBCGPProp> group(chart::InitLabelProps("标签"));
    CBCGPProp* data = group->GetSubItem(1);
    CkelPlotLabels* labels = s.line.GetLabels();
    labels->SetIsShowlabels(true);
    labels->SetLabelsColIndex(1);
    chart::RefreshLabelData(data, labels);
    EXPECT_EQ(Text(data->GetSubItem(1)), "孔隙度");
    EXPECT_EQ(data->GetSubItem(1)->GetOptionCount(), 2) << "numeric series only";
    EXPECT_TRUE(data->GetSubItem(1)->IsEnabled());

    // A first row out of the range is refused with the bounds, and nothing of the group is written.
    data->GetSubItem(0)->SetValue(_variant_t("否"));
    data->GetSubItem(1)->SetValue(_variant_t("不存在"));  // no such series: column 0
    data->GetSubItem(3)->SetValue(_variant_t("10"));
    data->GetSubItem(4)->SetValue(_variant_t("3"));
    const unsigned step = labels->GetStep();
    data->GetSubItem(2)->SetValue(_variant_t("0"));
    EXPECT_FALSE(chart::ApplyLabelData(data->GetSubItem(2), labels, &s.line));
    EXPECT_EQ(Boxes(), std::vector<std::string>{"值必须大于等于1,小于等于10"});
    EXPECT_EQ(Text(data->GetSubItem(2)), "1") << "the labels' own first row again";
    EXPECT_EQ(labels->GetLabelsColIndex(), 1);
    EXPECT_EQ(labels->GetStep(), step);

    data->GetSubItem(2)->SetValue(_variant_t("2"));
    EXPECT_TRUE(chart::ApplyLabelData(data->GetSubItem(2), labels, &s.line));
    EXPECT_EQ(labels->GetLabelsColIndex(), 0);
    EXPECT_EQ(labels->GetFirstlabelRow(), 1u);
    EXPECT_EQ(labels->GetLastlabelRow(), 9u);
    EXPECT_EQ(labels->GetStep(), 3u);

    data->GetSubItem(0)->SetValue(_variant_t("是"));
    data->GetSubItem(1)->SetValue(_variant_t("孔隙度"));
    EXPECT_TRUE(chart::ApplyLabelData(data->GetSubItem(0), labels, &s.line));
    EXPECT_TRUE(labels->GetIsLabelsInYCol());
    EXPECT_EQ(labels->GetLabelsColIndex(), 0) << "in the Y column the column choice is not taken";
    chart::RefreshLabelData(data, labels);
    EXPECT_FALSE(data->GetSubItem(1)->IsEnabled());
}

// ---- option lists, fill, unit -------------------------------------------------------------------

TEST(ChartOptions, DatasetsColumnsAndAxes) {
    SampleChart s;
    std::unique_ptr<CFixedListProp> table(chart::NewListItem("数据表", "", 1, kOtherRefused, false));
    chart::FillDataTableOptions(table.get(), &s.line);
    chart::FillDataTableOptions(table.get(), &s.line);  // refilled, not doubled
    ASSERT_EQ(table->GetOptionCount(), 3);
    EXPECT_STREQ(table->GetOption(0), "井数据");
    EXPECT_STREQ(table->GetOption(2), "选择数据……");
    EXPECT_EQ(Text(table.get()), "井数据");
    // Any item gets the options and the value.
    CBCGPProp plain("数据表", _variant_t(""), "", 1);
    plain.AddOption("旧数据");
    s.line.SetDataset(s.blocks);
    chart::FillDataTableOptions(&plain, &s.line);
    chart::FillDataTableOptions(&plain, &s.line);
    ASSERT_EQ(plain.GetOptionCount(), 3);
    EXPECT_STREQ(plain.GetOption(0), "井数据");
    EXPECT_STREQ(plain.GetOption(1), "区块");
    EXPECT_STREQ(plain.GetOption(2), "选择数据……");
    EXPECT_EQ(Text(&plain), "区块");

    // A column offers the series of its kinds and reads every series by name.
    std::unique_ptr<CFixedListProp> column(chart::NewListItem("列", "", 2, kOtherRefused, false));
    chart::FillNumericColumnOptions(column.get(), &s.ternaryPlot, 1);
    EXPECT_EQ(column->GetOptionCount(), 2);
    EXPECT_EQ(Text(column.get()), "孔隙度");
    int index = -1;
    EXPECT_TRUE(column->ValueOf("岩性", &index));
    EXPECT_EQ(index, 2);
    chart::FillTernaryClassOptions(column.get(), &s.ternaryPlot, 2);
    EXPECT_EQ(column->GetOptionCount(), 3);
    EXPECT_EQ(Text(column.get()), "岩性");

    std::unique_ptr<CFixedListProp> axes(chart::NewListItem("X轴", "", 3, kOtherRefused, false));
    chart::FillAxisOptions(axes.get(), &s.line, 0, &s.x);
    ASSERT_EQ(axes->GetOptionCount(), 1);
    EXPECT_EQ(Text(axes.get()), "X轴");
    EXPECT_FALSE(axes->ValueOf("Y轴", &index)) << "an axis of the other direction is no choice";
}

TEST(ChartFill, GroupLayoutAndValues) {
    std::unique_ptr<CBCGPProp> group(chart::InitFillProps(40, "填充"));
    ASSERT_EQ(group->GetSubItemsCount(), 7);
    EXPECT_EQ(group->GetSubItem(0)->GetData(), 41u);
    EXPECT_STREQ(group->GetSubItem(0)->GetName(), "填充");
    EXPECT_STREQ(group->GetSubItem(5)->GetName(), "图元大小");
    EXPECT_EQ(group->GetSubItem(6)->GetData(), 47u);
    QXLOGBRUSH brush;
    brush.size = 250;
    brush.backMode = kBackModeTransparent;
    chart::UpdateFillProps(group.get(), 1, "所有样式", brush);
    EXPECT_EQ(Text(group->GetSubItem(6)), "是");
    EXPECT_EQ(Text(group->GetSubItem(1)), "所有样式");
    EXPECT_DOUBLE_EQ(static_cast<double>(group->GetSubItem(5)->GetValue()), 2.5);
}

// The unit list reads every unit text the refresh shows, also those it does not offer.
TEST(ChartUnit, OneTableBothWays) {
    std::unique_ptr<CBCGPProp> item(chart::NewUnitItem("单位", "", 1, 2));
    const CFixedListProp* list = FixedListOf(item.get());
    ASSERT_NE(list, nullptr);
    const auto code = [&](const char* text) {
        int value = -1;
        EXPECT_TRUE(list->ValueOf(text, &value)) << text;
        return value;
    };
    EXPECT_EQ(code("百分比"), 1);
    EXPECT_STREQ(chart::UnitText(1), "百分比");
    for (int unit = 1; unit <= 4; ++unit) EXPECT_EQ(code(chart::UnitText(unit)), unit);
    EXPECT_STREQ(chart::UnitText(0), "无");
    EXPECT_STREQ(chart::UnitText(9), "无");
    EXPECT_EQ(code("万"), 0);
}

}  // namespace
