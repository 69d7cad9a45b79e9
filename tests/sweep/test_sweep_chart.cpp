// The sweep over the charts: the sheet of every object of the demo host's sample chart, opened
// through the chart creator with the object active in the host's display manager. Every page
// may write any object of the chart (the frame's pages write the axes and plots too), so the dump
// reads the whole chart: every value the pages edit, with the widths, sizes and fonts of every
// part, and the stamps, each on a line of its own (a comparison that sets stamps aside sets aside
// no value with them).
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "chart/AxisGroups.h"
#include "chart/KelPropListAxisLabel.h"
#include "chart/PropListAxisTick.h"
#include "host/ChartSample.h"
#include "host/ChartSheet.h"
#include "support/ReportFromCode.h"
#include "sweep/Sweep.h"

namespace {

using sweep::AsSize;
using sweep::Fields;
using sweep::State;

void DumpFormat(State& state, const std::string& key, CkelLabelFormat& format) {
    state.Put(key, ".format", std::to_string(format.m_unit) + "/" + std::to_string(format.m_nDotCount) + "/" +
                                   std::to_string(format.m_nDateFormat) + "/" + std::to_string(format.m_nLabelType));
}

void DumpLabels(State& state, const std::string& key, CkelPlotLabels* labels) {
    if (!labels) return;
    state.Put(key, ".shown", std::to_string(labels->GetIsShowlabels()) + "/" + std::to_string(labels->m_bShowLabels));
    Fields(state, key, labels, ".angle", &CkelPlotLabels::GetAngle);
    state.Put(key, ".rows", std::to_string(labels->GetFirstlabelRow()) + ".." +
                                 std::to_string(labels->GetLastlabelRow()) + "/" + std::to_string(labels->GetStep()));
    state.Put(key + ".column",
              std::to_string(labels->GetLabelsColIndex()) + "/" + std::to_string(labels->GetIsLabelsInYCol()));
    Fields(state, key, labels, ".offset.x", &CkelPlotLabels::GetXoffset, ".offset.y", &CkelPlotLabels::GetYoffset);
    state.Put(key, ".align", std::to_string(labels->GetHAlignment()) + "/" + std::to_string(labels->GetVAlignment()));
    Fields(state, key, labels, "", &CkelPlotLabels::GetLogFont, ".direct", &CkelPlotLabels::m_font);
    DumpFormat(state, key, *labels->GetLabelFormat());
}

void DumpTickLabel(State& state, const std::string& key, CkelAxisTickLabels::TickLabelEntity* label) {
    state.Put(key, ".side", std::to_string(label->GetTickSide()) + "/" + std::to_string(label->GetOn()));
    using Label = CkelAxisTickLabels::TickLabelEntity;
    Fields(state, key, label, "", &Label::GetLOGFONT, ".angle", &Label::GetLabelAngel, ".offset.x", &Label::GetXOffset,
           ".offset.y", &Label::GetYOffset);
    state.Put(key, ".type", std::to_string(label->GetLabelType()) + "/" + std::to_string(label->GetDotCount()) + "/" +
                                 std::to_string(label->GetDateFormatA()));
    DumpFormat(state, key, *label->GetLabelFormat());
}

void DumpAxis(State& state, const std::string& key, IkelAxis* axis) {
    Fields(state, key, axis, ".range", &IkelAxis::GetMin, ".range.max", &IkelAxis::GetMax);
    state.Put(key, ".kind", std::to_string(axis->GetAxisScaleType()) + "/" + std::to_string(axis->GetDescend()) + "/" +
                                 std::to_string(axis->GetIsAutoRange()) + "/" + std::to_string(axis->GetAxisUnit()));
    Fields(state, key, axis, ".spacing", AsSize(&IkelAxis::GetIntervalSpacing), ".length",
           AsSize(&IkelAxis::GetLength));
    QXPOINT pos;
    pos.x = pos.y = 0;
    axis->GetAxisPosition(pos);
    state.Put(key, ".position.x", pos.x);
    state.Put(key, ".position.y", pos.y);
    Fields(state, key, axis, ".line", &IkelAxis::GetLogPen);
    if (auto* angle = dynamic_cast<CkelAxisAngle*>(axis)) state.Put(key, ".start", angle->GetStartAngle());

    CkelAxisGrid* grid = axis->GetGrid();
    state.Put(key, ".grid",
              std::to_string(grid->GetShowMajorTicks()) + "/" + std::to_string(grid->GetShowMinorTicks()));
    state.Put(key, ".grid.stamp", std::to_string(grid->GetTimeStamp()));
    Fields(state, key, grid, ".grid.major", &CkelAxisGrid::GetMajorLogPen, ".grid.minor",
           &CkelAxisGrid::GetMinorLogPen);

    CkelAxisTitle* title = axis->GetTitle();
    state.Put(key, ".title",
              title->GetText() + "/" + std::to_string(title->GetTitleType()) + "/" +
                  std::to_string(title->GetTitleRelativePos()) + "/" + std::to_string(title->GetHAlign()) + "/" +
                  std::to_string(title->GetVAlign()));
    state.Put(key, ".title.stamp", std::to_string(title->GetTimeStamp()));
    Fields(state, key, title, ".title.offset.x", &CkelAxisTitle::GetXOffset, ".title.offset.y",
           &CkelAxisTitle::GetYOffset, ".title.angle", &CkelAxisTitle::GetRotateAngle);
    state.Put(key, ".title.pos.x", title->GetPos().x);
    state.Put(key, ".title.pos.y", title->GetPos().y);
    Fields(state, key, title, ".title", &CkelAxisTitle::GetFont);

    CkelAxisTickMarks* ticks = axis->GetTickMarks();
    state.Put(key, ".ticks", std::to_string(ticks->GetStrategyType()));
    state.Put(key, ".ticks.stamp", std::to_string(ticks->GetTimeStamp()));
    CkelAxisTickMarks::MajorTickStruct* major = ticks->GetMajorTickStruct();
    using Major = CkelAxisTickMarks::MajorTickStruct;
    Fields(state, key, major, ".ticks.major.length", &Major::GetLength, ".ticks.major.side", &Major::GetSide,
           ".ticks.major.spacing", AsSize(&Major::GetSpacing), ".ticks.major", &Major::GetStyle);
    CkelAxisTickMarks::MinorTickStruct* minor = ticks->GetMinorTickStruct();
    state.Put(key, ".ticks.minor.length", minor->GetLength());
    state.Put(key, ".ticks.minor.side", std::to_string(minor->GetSide()) + "/" + std::to_string(minor->GetDivision()));
    Fields(state, key, minor, ".ticks.minor", &CkelAxisTickMarks::MinorTickStruct::GetStyle);

    CkelAxisTickLabels* labels = axis->GetTickLabels();
    state.Put(key, ".labels", std::to_string(labels->GetStrategyType()) + "/" + std::to_string(labels->GetAlignType()));
    state.Put(key, ".labels.stamp", std::to_string(labels->GetTimeStamp()));
    state.Put(key, ".labels.polar", labels->GetPolarLabelsAngle());
    DumpTickLabel(state, key + ".labels.major", labels->GetMajorTickLabel());
    DumpTickLabel(state, key + ".labels.minor", labels->GetMinorTickLabel());
}

void DumpClass(State& state, const std::string& key, const CClassEntity& entity) {
    Fields(state, key, &entity, "", &CClassEntity::m_strName, ".min", &CClassEntity::m_dMin, ".max",
           &CClassEntity::m_dMax, "", &CClassEntity::m_symbol);
}

void DumpFillSery(State& state, const std::string& key, CBarFillSery* sery) {
    state.Put(key, sery->GetSeryName() + "/" + std::to_string(sery->GetColIndex()) + "/" +
                       std::to_string(sery->GetIsShowFill()) + "/" + sery->GetFillStyleSet());
    Fields(state, key, sery, "", &CBarFillSery::GetLogPen, "", &CBarFillSery::GetLogBrush);
    DumpLabels(state, key + ".labels", sery->GetLabels());
}

void DumpBars(State& state, const std::string& key, CkelBarBasePlot* bars) {
    state.Size(key, ".width", bars->GetWidthPercent());
    CBarFillSeryGrp* group = bars->GetFillSeryGroup();
    std::vector<std::string> order;
    group->GetDataSetOrder(order);
    std::string names;
    for (const std::string& name : order) names += name + ",";
    state.Put(key + ".series",
              std::to_string(group->GetSeryNums()) + "/" + std::to_string(group->GetCurSelIndex()) + "/" + names);
    for (unsigned i = 0; i < group->GetSeryNums(); ++i)
        DumpFillSery(state, key + ".sery" + std::to_string(i), group->GetFillSery(i));
    if (auto* bar = dynamic_cast<CkelBarPlot*>(bars)) {
        state.Put(key, ".bar", std::to_string(bar->GetIsStack()) + "/" + std::to_string(bar->GetIsTransfer()) + "/" +
                                    std::to_string(bar->GetIsHorizontal()));
        state.Put(key, ".overlap", bar->GetOverLapPer());
    }
    if (auto* histogram = dynamic_cast<CHistogramPlot*>(bars)) {
        state.Put(key, ".bins", std::to_string(histogram->GetDataCol()) + "/" +
                                     std::to_string(histogram->GetZoneCount()) + "/" +
                                     std::to_string(histogram->GetIsFrequency()));
        Fields(state, key, histogram, ".bins.left", &CHistogramPlot::GetLeftValue, ".bins.right",
               &CHistogramPlot::GetRightValue);
    }
}

void DumpPlot(State& state, const std::string& key, IkelPlot* plot) {
    CkelDataset* dataset = plot->GetDataset();
    CkelDataRange* range = plot->GetDataRange();
    state.Put(key, ".data", dataset ? dataset->GetName() : std::string("-"));
    Fields(state, key, range, ".data.first", &CkelDataRange::GetFirstRow, ".data.last", &CkelDataRange::GetLastRow,
           ".data.step", &CkelDataRange::GetStep);
    state.Put(key, ".data.stamp", std::to_string(range->GetTimeStamp()));
    state.Put(key, ".columns",
              std::to_string(plot->GetAxis1ColumnIndex()) + "/" + std::to_string(plot->GetAxis2ColumnIndex()) + "/" +
                  std::to_string(plot->GetAxis3ColumnIndex()));
    if (auto* line = dynamic_cast<CkelLineBasePlot*>(plot)) {
        Fields(state, key, line, "", &CkelLineBasePlot::GetLogPen);
        DumpLabels(state, key + ".labels", line->GetLabels());
        if (CkelLinePlotFill* fill = line->GetPlotFills()) {
            state.Put(key, ".fill", std::to_string(fill->GetShowFill()) + "/" +
                                         std::to_string(fill->GetFillDirections()) + "/" + fill->GetFillStyleSet());
            Fields(state, key, fill, ".fill.cutoff", &CkelLinePlotFill::GetCutoffValue, ".fill",
                   &CkelLinePlotFill::GetLogBrush);
        }
    }
    if (auto* line = dynamic_cast<CkelLinePlot*>(plot)) {
        state.Put(key + ".mode",
                  std::to_string(line->GetLineMode()) + "/" + std::to_string(line->GetIsLineStepModeReverse()));
        if (auto* symbol = dynamic_cast<CkelPlotSymbolSimpleStrategy*>(line->GetSymbol()))
            state.Point(key, ".symbol", symbol->m_firstSymbol);
    }
    if (auto* bars = dynamic_cast<CkelBarBasePlot*>(plot)) DumpBars(state, key, bars);
    if (auto* classes = dynamic_cast<CkelClassPlot*>(plot)) {
        state.Put(key, ".class", std::to_string(classes->GetClassCol()) + "/" +
                                      std::to_string(classes->GetIsShowSymbol()) + "/" +
                                      std::to_string(classes->GetIsUniSetSymbol()));
        Fields(state, key, classes, ".symbol", &CkelClassPlot::GetUniSymbol);
        DumpLabels(state, key + ".labels", classes->GetLabels());
        CkelClassificationManager* manager = classes->GetClassificationManager();
        state.Put(key, ".classes", manager->GetClassNum());
        for (unsigned i = 0; i < manager->GetClassNum(); ++i)
            DumpClass(state, key + ".class" + std::to_string(i), *manager->GetClassEntity(i));
    }
    if (auto* ternary = dynamic_cast<CkelTernaryPlot*>(plot)) {
        state.Put(key, ".ternary", std::to_string(ternary->GetXCol()) + "/" + std::to_string(ternary->GetYCol()) +
                                        "/" + std::to_string(ternary->GetZCol()) + "/" +
                                        std::to_string(ternary->GetClassCol()));
        DumpLabels(state, key + ".labels", ternary->GetPlotLabels());
        state.Put(key, ".classes", ternary->GetClassCounts());
        for (unsigned i = 0; i < ternary->GetClassCounts(); ++i)
            DumpClass(state, key + ".class" + std::to_string(i), *ternary->GetClass(i));
    }
    if (auto* pie = dynamic_cast<CPiePlot*>(plot)) {
        Fields(state, key, pie, ".labels", &CPiePlot::GetLabelFont);
        state.Put(key, ".pie", std::to_string(pie->GetDataCol()) + "/" + std::to_string(pie->GetLabelCol()) + "/" +
                                    std::to_string(pie->GetIsShowlabels()) + "/" +
                                    std::to_string(pie->GetIsLabelsInner()) + "/" +
                                    std::to_string(pie->GetIsShowPosLine()));
        Fields(state, key, pie, ".start", &CPiePlot::GetStartAngle, ".split", &CPiePlot::GetSplitDist);
        const CPiePlot::CLabelRange* rows = pie->GetLabel();
        state.Put(key, ".labels.rows", std::to_string(rows->m_nFirstRow) + ".." + std::to_string(rows->m_nLastRow) +
                                            "/" + std::to_string(rows->m_nStep));
        state.Put(key + ".pieces",
                  std::to_string(pie->GetPieceCount()) + "/" + std::to_string(pie->GetCurSelPiece() ? 1 : 0));
        for (unsigned i = 0; i < pie->GetPieceCount(); ++i) {
            CPiePiece* piece = pie->GetPiece(i);
            const std::string at = key + ".piece" + std::to_string(i);
            state.Put(at, piece->GetLabelStr() + "/" + std::to_string(piece->GetIsShowFill()) + "/" +
                              piece->GetFillStyleSet());
            Fields(state, at, piece, ".angle", &CPiePiece::GetAngle, "", &CPiePiece::GetLogPen, "",
                   &CPiePiece::GetLogBrush);
        }
    }
    if (auto* rose = dynamic_cast<CRosePlot*>(plot)) {
        state.Put(key, ".rose", std::to_string(rose->GetDataCol()) + "/" + std::to_string(rose->GetCountCol()) + "/" +
                                     std::to_string(rose->GetIsShowFill()) + "/" + rose->GetFillStyleSet());
        Fields(state, key, rose, ".rose.type", &CRosePlot::GetRoseType, ".rose.angle", &CRosePlot::GetAngleSpacing, "",
               &CRosePlot::GetLogPen, "", &CRosePlot::GetLogBrush);
    }
}

void DumpLegend(State& state, CkelLegend& legend) {
    state.Put("图例", legend.GetTitleText() + "/" + std::to_string(legend.GetShowTitle()) + "/" +
                          std::to_string(legend.GetDisplayShadow()) + "/" + std::to_string(legend.GetColNum()));
    Fields(state, "图例", &legend, ".宽度", AsSize(&CkelLegend::GetBorderWidth), ".高度", &CkelLegend::GetBorderHeight,
           ".左边距", &CkelLegend::GetLMarginSpace, ".上边距", &CkelLegend::GetTMarginSpace, ".间距",
           AsSize(&CkelLegend::GetIntervalSpace), ".标题", &CkelLegend::GetTitleFont, ".文字",
           &CkelLegend::GetLegendFont, ".边框", &CkelLegend::GetBorderLine, ".内框", &CkelLegend::GetInnerBorderLine,
           ".填充", &CkelLegend::GetBorderFill, ".阴影", &CkelLegend::GetShadowFill);
    const std::vector<CkelLegendCell>& cells = legend.GetLegendManager()->m_cells;
    state.Put("图例.cells", cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string key = "图例.cell" + std::to_string(i);
        Fields(state, key, &cells[i], "", &CkelLegendCell::m_strText, "", &CkelLegendCell::m_symbol, "",
               &CkelLegendCell::m_pen, "", &CkelLegendCell::m_brush);
    }
}

void DumpChart(State& state, demo::DemoChart& chart) {
    for (const auto& [label, object] : chart.Kinds())
        state.Put(std::string(label) + ".stamp", std::to_string(object->GetTimeStamp()));
    IChartGraph& graph = chart.chart;
    CkelChartTitle* title = graph.GetTitle();
    state.Put("图框.type", graph.GetChartGraphType());
    Fields(state, "图框", title, ".title", &CkelChartTitle::GetText, ".title.offset.x", &CkelChartTitle::GetXOffset,
           ".title.offset.y", &CkelChartTitle::GetYOffset, ".title", &CkelChartTitle::GetLogFont);
    Fields(state, "图框", &graph, ".background", &IChartGraph::GetLogBrush);
    if (CDataSetMgrObj* datasets = graph.GetDatasetManagerObj())
        for (unsigned i = 0; i < datasets->GetDatasetNum(); ++i) {
            CkelDataset* dataset = datasets->GetDataset(i);
            state.Put("dataset" + std::to_string(i), dataset->GetName() + "/" + dataset->GetDescInfo() + "/" +
                                                         std::to_string(dataset->GetNumOfSeries()));
        }
    const std::vector<std::pair<const char*, IkelAxis*>> axes = {{"X轴", &chart.x},
                                                                 {"Y轴", &chart.y},
                                                                 {"三角轴", &chart.ternary},
                                                                 {"半径轴", &chart.radius},
                                                                 {"角度轴", &chart.angle}};
    for (const auto& [label, axis] : axes) DumpAxis(state, label, axis);
    const std::vector<std::pair<const char*, IkelPlot*>> plots = {
        {"曲线图", &chart.line}, {"分类图", &chart.classes},     {"柱状图", &chart.bar}, {"直方图", &chart.histogram},
        {"饼图", &chart.pie},    {"三角图", &chart.ternaryPlot}, {"玫瑰图", &chart.rose}};
    for (const auto& [label, plot] : plots) DumpPlot(state, label, plot);
    DumpLegend(state, chart.legend);
}

// Stored sizes that do not read (a pick in their group must still write) and values with more
// digits than their items show (no edit of another field may round them): the X axis range
// 0.25 to 99.96 by 12.345, its length and pen 99.96, its title's offset 12.345 and angle 45.125,
// the line plot's pen 99.96 wide, the label angle 45.125 of every plot whose label page shares
// the position group (line, class, ternary, the bar and histogram series); the chart
// title font, the legend's title font and border line, the Y axis title font and pen -100.
void SeedChart(demo::DemoChart& chart) {
    chart.x.SetMin(0.25);
    chart.x.SetMax(99.96);
    chart.x.SetIntervalSpacing(12.345);
    QXLOGPEN pen;
    chart.x.GetLogPen(&pen);
    pen.width = 99.96f;
    chart.x.SetLogPen(&pen);
    chart.x.SetAxisLength(99.96);
    chart.x.GetTitle()->SetXOffset(12.345);
    chart.x.GetTitle()->SetRotateAngle(45.125);
    for (CkelBarBasePlot* bars : std::initializer_list<CkelBarBasePlot*>{&chart.bar, &chart.histogram})
        if (CBarFillSery* sery = bars->GetFillSeryGroup()->GetCurSelFillSery())
            if (CkelPlotLabels* labels = sery->GetLabels()) labels->SetAngle(45.125);
    for (CkelPlotLabels* labels : {chart.line.GetLabels(), chart.classes.GetLabels(), chart.ternaryPlot.GetPlotLabels()})
        if (labels) labels->SetAngle(45.125);
    chart.line.GetLogPen(&pen);
    pen.width = 99.96f;
    chart.line.SetLogPen(&pen);
    QXLOGFONT font;
    chart.chart.GetTitle()->GetLogFont(font);
    font.size = -100;
    chart.chart.GetTitle()->SetLogFont(font);
    chart.legend.GetTitleFont(&font);
    font.size = -100;
    chart.legend.SetTitleFont(&font);
    chart.legend.GetBorderLine(&pen);
    pen.width = -100;
    chart.legend.SetBorderLine(&pen);
    chart.y.GetTitle()->GetFont(&font);
    font.size = -100;
    chart.y.GetTitle()->SetFont(&font);
    chart.y.GetLogPen(&pen);
    pen.width = -100;
    chart.y.SetLogPen(&pen);
}

// The sheets of every parts-th object of the sample chart from part on (with its dataset
// manager), or of two plots once the chart has lost its dataset manager: refusals still show the
// stored values.
void SweepChart(bool withDatasets, int part, int parts) {
    demo::DemoChart chart;
    // Every fill, label and uniform-axis edit has something to write to: the histogram a current
    // fill series, the pie sectors and a data column, the ternary plot its three axes.
    chart.histogram.GetFillSeryGroup()->AddSery("孔隙度");
    for (const char* name : {"砂岩", "泥岩"}) {
        CPiePiece piece;
        piece.m_strLabel = name;
        chart.pie.AddPiece(piece);
    }
    chart.pie.SetDataCol(1);
    chart.pie.SetLabelCol(1);
    CkelAxisTernary second, third;
    chart.ternaryPlot.AttachXAxis(&chart.ternary);
    chart.ternaryPlot.AttachYAxis(&second);
    chart.ternaryPlot.SetAxis3(&third);
    SeedChart(chart);
    // A copy of the chart shares its dataset manager and keeps it alive for the plots' datasets
    // while the chart itself has none.
    const IChartGraph keeper = chart.chart;
    if (!withDatasets) chart.chart.SetDatasetManagerObj(nullptr);
    demo::ChartDispManager manager;
    auto kinds = chart.Kinds();
    // Without datasets: the pages of a plot that reads its columns from them and of one that
    // reads its axes' spacing and rows (the ternary plot).
    if (!withDatasets) kinds = {{"曲线图", &chart.line}, {"三角图", &chart.ternaryPlot}};
    sweep::Sweeper sweeper(withDatasets ? "chart" : "chart without datasets", [&](State& state) {
        DumpChart(state, chart);
        DumpAxis(state, "三角图.second", &second);
        DumpAxis(state, "三角图.third", &third);
    });
    // "否" sets the label column to 0; once a typed text has set the data column to 0 too, that is
    // the column already stored, and the refresh shows "是" again.
    sweeper.PassOverPick("饼图", "数据/显示数据列值");
    for (std::size_t i = static_cast<std::size_t>(part); i < kinds.size(); i += static_cast<std::size_t>(parts)) {
        CQXObject* active = kinds[i].second;
        const char* label = kinds[i].first;
        sweeper.Sweep(
            label,
            [&manager, active](CWnd* frame) {
                manager.Activate(active);
                return CKelCgPropWndCreator::CreateObjProp(&manager, frame);
            },
            reinterpret_cast<LPARAM>(active));
    }
    EXPECT_TRUE(sweeper.Unopened().empty()) << sweeper.Unopened().front();
    EXPECT_GT(sweeper.Typed(), 0);
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
    std::cout << "[sweep] chart" << (withDatasets ? "" : " without datasets") << ": " << sweeper.Pages().size()
              << " pages, " << sweeper.Typed() << " texts\n";
}

// ---- the axis conversions ----------------------------------------------------------------------------

// An axis of any type (the chart library's other axis kinds), opened as a standard X axis is.
class TypedAxis : public CkelAxisStanderdX {
public:
    explicit TypedAxis(int axisType) { m_nAxisType = axisType; }
};

// The rows of a conversion's table: each text and the value it stands for.
using Rows = std::vector<std::pair<const char*, int>>;

// One conversion on one list: every row of its table and a text no row names go through the
// conversion, which gives the row's value, and are reported from code into the item of a page of
// the object's sheet (tab), which stores that value over one no row gives.
struct ListedConversion {
    const char* what;
    int tab;
    DWORD_PTR id;
    std::function<int(const CString&)> convert;
    std::function<void()> storeOther;
    std::function<int()> stored;
};

void ExpectConversionAndList(CQXObject* object, const ListedConversion& list, const Rows& rows) {
    CWnd frame, view;
    frame.CreateEx(0, nullptr, "host", WS_VISIBLE, CRect(0, 0, 400, 800), nullptr, 0);
    view.Create(nullptr, "view", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &frame, 100);
    {
        demo::ChartSheet sheet(object, frame, view);
        platform::GridDriver grid = sheet.Tab(list.tab);
        CBCGPProp* item = grid.FindByData(list.id);
        ASSERT_NE(item, nullptr) << list.what;
        for (const auto& [text, value] : rows) {
            SCOPED_TRACE(std::string(list.what) + " \"" + text + "\"");
            EXPECT_EQ(list.convert(text), value);
            list.storeOther();
            tsltest::ReportFromCode(*grid.Grid(), item, _variant_t(text));
            EXPECT_EQ(list.stored(), value) << "the list reads the text as its conversion does";
        }
    }
    frame.DestroyWindow();
}

// The sides of an axis type: "无" none, then the near sides ("下部", "左部", "外部") and the far ones
// ("上部", "右部", "内部") as the type names them.
Rows SideRows(int none, int near, int far, int other) {
    return {{"无", none},  {"下部", near}, {"左部", near}, {"外部", near},
            {"上部", far}, {"右部", far},  {"内部", far},  {"无此位置", other}};
}

// Each conversion the axis pages and the line fill group share is called with every row of its
// table and a text no row names, on every axis type, and the list that reads the same texts on its
// page stores the conversion's value.
TEST(SweepChart, EachAxisConversionReadsItsTableAsItsListDoes) {
    constexpr int kOther = 9;  // a value no row gives
    for (int axisType = 0; axisType <= 7; ++axisType) {
        TypedAxis axis(axisType);
        axis.SetMax(99);
        axis.SetMin(1);
        CkelAxisTickMarks* ticks = axis.GetTickMarks();
        CkelAxisTickLabels* labels = axis.GetTickLabels();
        const bool tickSwapped = axisType == 3 || axisType == 5 || axisType == 6;
        const bool labelSwapped = axisType == 5 || axisType == 6;
        const Rows tickSides = SideRows(0, tickSwapped ? 2 : 1, tickSwapped ? 1 : 2, 1);
        const Rows labelSides = SideRows(0, labelSwapped ? 1 : 0, labelSwapped ? 0 : 1, 0);
        const auto tickSide = [&axis](const CString& text) { return chart::TickSideFromText(&axis, text); };
        const auto labelSide = [&axis](const CString& text) { return LabelSideFromText(&axis, text); };
        const std::string type = " on axis type " + std::to_string(axisType);
        using Labels = CkelPropListAxisLabel;
        const std::vector<std::pair<ListedConversion, Rows>> conversions = {
            {{"AxisScaleFromText", 0, chart::kScaleTypeId, &chart::AxisScaleFromText,
              [&] { axis.SetAxisScaleType(kOther); }, [&] { return axis.GetAxisScaleType(); }},
             {{"线性", 1}, {"对数", 2}, {"概率", 5}, {"无此类型", 1}}},
            {{"TitlePosFromText", 0, chart::kTitlePosId, &chart::TitlePosFromText,
              [&] { axis.GetTitle()->SetTitleRelativePos(kOther); },
              [&] { return axis.GetTitle()->GetTitleRelativePos(); }},
             {{"左端", 0}, {"右端", 1}, {"中端", 2}, {"上端", 3}, {"下端", 4}, {"无此位置", 2}}},
            {{"TickSideFromText (major)", 1, CPropListAxisTick::kMajorSideId, tickSide,
              [&] { ticks->GetMajorTickStruct()->SetSide(kOther); },
              [&] { return ticks->GetMajorTickStruct()->GetSide(); }},
             tickSides},
            {{"TickSideFromText (minor)", 1, CPropListAxisTick::kMinorSideId, tickSide,
              [&] { ticks->GetMinorTickStruct()->SetSide(kOther); },
              [&] { return ticks->GetMinorTickStruct()->GetSide(); }},
             tickSides},
            {{"LabelSideFromText (major)", 2, Labels::kMajorSideId, labelSide,
              [&] { labels->GetMajorTickLabel()->SetTickSide(static_cast<KELLabelsSide>(kOther)); },
              [&] { return static_cast<int>(labels->GetMajorTickLabel()->GetTickSide()); }},
             labelSides},
            {{"LabelSideFromText (minor)", 2, Labels::kMinorSideId, labelSide,
              [&] { labels->GetMinorTickLabel()->SetTickSide(static_cast<KELLabelsSide>(kOther)); },
              [&] { return static_cast<int>(labels->GetMinorTickLabel()->GetTickSide()); }},
             labelSides},
            {{"LabelAlignFromText", 2, Labels::kAlignId, &LabelAlignFromText,
              [&] { labels->SetAlignType(static_cast<KELAlignType>(kOther)); },
              [&] { return static_cast<int>(labels->GetAlignType()); }},
             {{"左部", 0}, {"右部", 1}, {"居中", 2}, {"无此排列", 2}}},
        };
        for (const auto& [conversion, rows] : conversions) {
            SCOPED_TRACE(type);
            ExpectConversionAndList(&axis, conversion, rows);
        }
    }
    demo::DemoChart chart;
    CkelLinePlotFill* fill = chart.line.GetPlotFills();
    ASSERT_NE(fill, nullptr);
    ExpectConversionAndList(&chart.line,
                            {"FillDirectionFromText", 1, chart::kLineFillTargetId, &chart::FillDirectionFromText,
                             [&] { fill->SetFillDirections(static_cast<CkelLinePlotFill::KELFillDirections>(kOther)); },
                             [&] { return static_cast<int>(fill->GetFillDirections()); }},
                            {{"下", 1}, {"左", 3}, {"右", 2}, {"上", 0}, {"无此方向", 0}});
}

// Lists whose data source offers none of their options, and axes that share a name: the rose's
// sheet while its outer dataset is gone (each announce shows the count column at a series of the
// dataset, which then goes: "无" reported names no series, needs no dataset and must be taken), and
// the line plot's sheet over an X and a Y axis of each of the two names (each axis list attaches the
// axis it read, of its own direction: after every edit the plot's X axis is an X axis and its Y axis
// a Y axis).
void SweepListsWithoutTheirSource() {
    demo::DemoChart chart;
    CkelDataset* wells = chart.rose.GetOuterDataset();
    CkelAxisStanderdX secondX;
    CkelAxisStanderdY secondY;
    secondX.SetName("Y轴");
    secondY.SetName("X轴");
    for (IkelAxis* axis : std::initializer_list<IkelAxis*>{&secondX, &secondY})
        chart.chart.GetAxisManager()->AddAxis(axis);
    std::set<std::string> axisFaults;
    sweep::Sweeper sweeper("chart lists without their source", [&](State& state) { DumpChart(state, chart); });
    sweeper.SetAnnounceHooks(
        [&] {
            chart.rose.SetOuterDataset(wells);
            chart.rose.SetCountCol(1);
        },
        [&] {
            chart.rose.SetOuterDataset(nullptr);
            for (const auto& [axis, type] :
                 {std::make_pair(chart.line.GetAxis1(), 0), std::make_pair(chart.line.GetAxis2(), 1)})
                if (axis && axis->GetAxisType() != type &&
                    axisFaults.insert(std::string(axis->GetName()) + std::to_string(type)).second)
                    ADD_FAILURE() << "chart lists without their source / 曲线图: the plot's " << (type ? "Y" : "X")
                                  << " axis is the axis \"" << axis->GetName() << "\" of the other direction";
        });
    demo::ChartDispManager manager;
    for (const auto& [label, active] :
         std::initializer_list<std::pair<const char*, CQXObject*>>{{"玫瑰图", &chart.rose}, {"曲线图", &chart.line}})
        sweeper.Sweep(
            label,
            [&manager, active = active](CWnd* frame) {
                manager.Activate(active);
                return CKelCgPropWndCreator::CreateObjProp(&manager, frame);
            },
            reinterpret_cast<LPARAM>(active));
    EXPECT_TRUE(sweeper.Unopened().empty());
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
    std::cout << "[sweep] chart lists without their source: " << sweeper.Failures().size() + axisFaults.size()
              << " lines\n";
}

TEST(SweepChart, ListsWithoutTheirSourceAndAxesOfOneName) { SweepListsWithoutTheirSource(); }
TEST(SweepChart, EveryPageOfEveryChartObjectFirstRun) { SweepChart(true, 0, 2); }
TEST(SweepChart, EveryPageOfEveryChartObjectSecondRun) { SweepChart(true, 1, 2); }
TEST(SweepChart, EveryPlotWithoutItsDatasetManager) { SweepChart(false, 0, 1); }

}  // namespace
