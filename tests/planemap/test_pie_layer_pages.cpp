// The pie layer's pages: the display page's rebuilt groups (sizes by shape, label texts, property
// places), its scale switches and offsets; the data page's rows, dates, colour blend and source
// change, and the limits of the fixed lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CodeReport.h"
#include "PieFixture.h"
#include "PlaneListFixture.h"
#include "framework/FixedList.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/PieLayer.h"
#include "hosttypes/Parsnip/QXObjectCoordinate.h"
#include "hosttypes/Parsnip/QXObjectPie.h"
#include "planemap/layers/PropListPieLayerData.h"
#include "planemap/layers/PropListPieLayerObj.h"

namespace {

using kel::plane::CPieLayer;
using pietest::Options;
using pietest::SubItemNames;
using planetest::OpenList;
using O = CPropListPieLayerObj;
using D = CPropListPieLayerData;

using pietest::PieWorld;

// The position of a call in the log; -1 when absent.
int CallIndex(const std::string& operation) {
    const auto& log = parsnip::testing::CallLog();
    for (size_t i = 0; i < log.size(); ++i)
        if (log[i].operation == operation) return static_cast<int>(i);
    return -1;
}

}  // namespace

// ---- display page --------------------------------------------------------------------------------------

TEST(PieLayerDisplay, SizeRowsFollowTheShapeFromTheFirstRefreshOn) {
    PieWorld w(1, 4);
    OpenList<O> page(w.layer);
    EXPECT_EQ((std::vector<std::string>{"上半圆半径", "下半圆半径"}), SubItemNames(page.Item(O::kSizeGroupId)));

    w.pie.SetShapeType(7);
    page.Show(w.layer);
    EXPECT_EQ((std::vector<std::string>{"条数", "半径", "列宽", "高度", "间隔", "拱高", "独立比例"}),
              SubItemNames(page.Item(O::kSizeGroupId)));
    // Rows made afresh offer their bar counts even though the record count did not change.
    EXPECT_EQ((std::vector<std::string>{"1", "2", "3"}), Options(page.Item(O::kBarCountId)));

    w.pie.SetShapeType(9);  // outside the list: the rows stay
    page.Show(w.layer);
    EXPECT_EQ(7, page.Item(O::kSizeGroupId)->GetSubItemsCount());
}

TEST(PieLayerDisplay, LabelTextsDependOnTheShape) {
    PieWorld w(5, 3);
    w.pie.SetTextShowStyle(1, 4);
    OpenList<O> page(w.layer);
    EXPECT_EQ((std::vector<std::string>{"内容1", "内容2", "内容3", "字体", "大小", "颜色", "小数位数", "位置"}),
              SubItemNames(page.Item(O::kTextGroupId)));
    EXPECT_EQ("不显示", page.Value(O::kFirstContentId));

    w.pie.SetShapeType(2);
    page.Show(w.layer);
    EXPECT_EQ("纵向百分比", page.Value(O::kFirstContentId));
    ASSERT_TRUE(page.Pick(O::kFirstContentId + 1, "横向百分比"));
    EXPECT_EQ(1, w.pie.GetTextShowStyle(2));
    // A content list reads every content text, also one its shape does not offer; any other as 0.
    const CFixedListProp* contents = FixedListOf(page.Item(O::kFirstContentId));
    ASSERT_NE(nullptr, contents);
    int style = -1;
    EXPECT_TRUE(contents->ValueOf("纵向百分比", &style));
    EXPECT_EQ(4, style);
    EXPECT_TRUE(contents->ValueOf("百分之", &style));
    EXPECT_EQ(0, style);

    w.pie.SetShapeType(3);
    page.Show(w.layer);
    EXPECT_EQ(nullptr, page.list().GetPropList().FindItemByData(O::kTextPosId, TRUE));
}

TEST(PieLayerDisplay, TheScaleCountsOnlyForProportionalPies) {
    PieWorld w(0, 3);
    auto* axes = w.map.Add<CQXObjectCoordinate>("坐标系", w.layer);
    axes->SetAxisXFactor(4);
    OpenList<O> page(w.layer);
    EXPECT_EQ("比例", page.Value(O::kRadiusModeId));
    EXPECT_TRUE(page.Enabled(O::kScaleDrawId));
    EXPECT_TRUE(page.Enabled(O::kScaleFactorId));
    EXPECT_EQ("4", page.Value(O::kScaleFactorId));
    page.Type(O::kScaleFactorId, "-3");
    EXPECT_EQ(4u, axes->GetAxisXFactor());
    ASSERT_TRUE(page.Type(O::kScaleFactorId, "-0.001"));  // a number reading as the whole number 0
    EXPECT_EQ(0u, axes->GetAxisXFactor());
    EXPECT_EQ("0", page.Value(O::kScaleFactorId));

    // A layer without a coordinate system has nothing to take the factor; the edit still ends
    // with the redraw.
    PieWorld bare(0, 3);
    OpenList<O> other(bare.layer);
    const int redraws = other.Redraws();
    ASSERT_TRUE(other.Type(O::kScaleFactorId, "-0.001"));
    EXPECT_EQ("0", other.Value(O::kScaleFactorId));
    EXPECT_EQ(redraws + 1, other.Redraws());
    // With no factor stored to show, a factor refused after the item took it ("-1" reported from
    // code) shows the text from before.
    ASSERT_TRUE(other.Type(O::kScaleFactorId, "1"));
    planetest::ExpectCodeReportRefused(other, O::kScaleFactorId, "-1", "1");
    planetest::ExpectCodeReportRefused(page, O::kScaleFactorId, "-1", "0");

    w.pie.SetShapeType(3);
    page.Show(w.layer);
    EXPECT_FALSE(page.Enabled(O::kScaleDrawId));
    EXPECT_FALSE(page.Enabled(O::kScaleFactorId));
}

TEST(PieLayerDisplay, OffsetsTakeNegativesAndTheBottomLineIsForcedOffForNonBars) {
    PieWorld w(0, 3);
    w.pie.SetDrawBotLine(1);
    w.pie.SetDrawOrgLine(1);
    OpenList<O> page(w.layer);
    EXPECT_EQ(0, w.pie.GetDrawBotLine());
    EXPECT_FALSE(page.Enabled(O::kBottomDrawId));
    const uint64_t stamp = w.layer->GetTimeStamp();
    for (int i = 0; i < 3; ++i) page.Show(w.layer);  // once off, showing the layer writes nothing
    EXPECT_EQ(stamp, w.layer->GetTimeStamp());
    page.Type(O::kXMoveId, "-7");
    EXPECT_EQ(-7, w.pie.GetXMove());
    page.Type(O::kRadiusId, "abc");
    EXPECT_EQ("0.00", page.Value(O::kRadiusId));
    page.Type(O::kRadiusId, "0");
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CPieLayer::UpdatePieCoordinate", w.layer));
    page.Type(O::kIndicatorWidthId, "0.8");
    QXLOGPEN pen;
    w.pie.GetDrawOrgLine(&pen);
    EXPECT_FLOAT_EQ(0.8f, pen.width);
}

TEST(PieLayerDisplay, PropertyPlacesStopAtTheLastPropertyALayerShows) {
    PieWorld w(1, 35);
    OpenList<O> page(w.layer);
    CBCGPProp* places = page.Item(O::kDataPosGroupId);
    ASSERT_EQ(29, places->GetSubItemsCount());
    // The place of the 29th property shares its item data with a dynamic chart's draw type.
    ASSERT_TRUE(page.Pick(O::kFirstDataPosId + 28, "下半圆"));
    EXPECT_EQ("下半圆", std::string(w.pie.GetDataPos(28).GetString()));
    EXPECT_EQ(kel::plane::DMB_BAR, w.pie.GetDynamicMultiBarDrawType(1));
}

TEST(PieLayerDisplay, DynamicBarsShowTheirPointAndDrawTypes) {
    PieWorld w(2, 2);
    w.pie.SetDataType(2);
    OpenList<O> page(w.layer);
    EXPECT_TRUE(page.Enabled(O::kPointStyleId));
    EXPECT_EQ("属性显示样式", std::string(page.Item(O::kDataPosGroupId)->GetName().GetString()));
    ASSERT_TRUE(page.Pick(O::kDrawType2Id, "折线图"));
    EXPECT_EQ(kel::plane::DMB_LINE, w.pie.GetDynamicMultiBarDrawType(2));

    // A colour picked in the point group keeps the size as stored: 249.96 (shown "2.50"), -100.
    for (float stored : {249.96f, -100.0f}) {
        QXLOGPOINT point;
        w.pie.GetDynamicMultiBarPoint(point);
        point.size = stored;
        w.pie.SetDynamicMultiBarPoint(point);
        OpenList<O> shown(w.layer);
        ASSERT_TRUE(shown.Color(O::kPointBorderColorId, RGB(255, 0, 0)));
        w.pie.GetDynamicMultiBarPoint(point);
        EXPECT_FLOAT_EQ(stored, point.size);
        EXPECT_EQ(RGB(255, 0, 0), point.borderColor);
    }
}

// ---- data page ------------------------------------------------------------------------------------------

TEST(PieLayerData, RowsFollowTheRecordCountAndTheLastControlRowIsFixed) {
    PieWorld w(0, 4);
    OpenList<D> page;
    EXPECT_EQ(3, page.list().GetRowCount());
    page.Show(w.layer);
    for (DWORD_PTR group : {D::kFieldGroupId, D::kColorGroupId, D::kControlGroupId})
        EXPECT_EQ(4, page.Item(group)->GetSubItemsCount());

    ASSERT_TRUE(page.Pick(D::kCountId, "3"));
    EXPECT_EQ(3, w.pie.GetRecordCount());
    for (DWORD_PTR group : {D::kFieldGroupId, D::kColorGroupId, D::kControlGroupId})
        EXPECT_EQ(3, page.Item(group)->GetSubItemsCount());
    CBCGPProp* last = page.Item(D::kFirstControlId + 2);
    EXPECT_EQ("是", page.Value(D::kFirstControlId + 2));
    EXPECT_EQ(0, last->GetOptionCount());
    EXPECT_EQ(2, page.Item(D::kFirstControlId + 1)->GetOptionCount());
}

TEST(PieLayerData, ShapesAndCountsBeyondTheListsAreShownSafely) {
    PieWorld w(9, 35);
    OpenList<D> page(w.layer);
    EXPECT_EQ("", page.Value(D::kShapeId));
    EXPECT_EQ(29, page.Item(D::kColorGroupId)->GetSubItemsCount());
    EXPECT_EQ(RGB(0, 255, 255), D::DefaultColor(28));
    EXPECT_EQ(RGB(0, 255, 255), D::DefaultColor(40));
}

TEST(PieLayerData, DatesOutOfOrderArePutBack) {
    PieWorld w(2, 2);
    w.pie.SetDataType(2);
    w.pie.SetDateBegin(COleDateTime(2020, 1, 1, 0, 0, 0));
    w.pie.SetDateEnd(COleDateTime(2020, 12, 31, 0, 0, 0));
    {
        // Picked through the date control: a begin of 2099-06-01 after the end, an end of
        // 1900-06-01 before the begin, write nothing, not even the real-time flag, and each item
        // shows its stored date.
        OpenList<D> page(w.layer);
        auto* begin = dynamic_cast<CBCGPDateTimeProp*>(page.Item(D::kDateBeginId));
        auto* end = dynamic_cast<CBCGPDateTimeProp*>(page.Item(D::kDateEndId));
        ASSERT_TRUE(begin && end);
        const uint64_t stamp = w.layer->GetTimeStamp();
        const int redraws = page.Redraws();
        parsnip::testing::ClearCallLog();
        ASSERT_TRUE(page.grid().PickDate(begin, COleDateTime(2099, 6, 1, 0, 0, 0)));
        EXPECT_EQ(COleDateTime(2020, 1, 1, 0, 0, 0), begin->GetDate());
        ASSERT_TRUE(page.grid().PickDate(end, COleDateTime(1900, 6, 1, 0, 0, 0)));
        EXPECT_EQ(COleDateTime(2020, 12, 31, 0, 0, 0), end->GetDate());
        EXPECT_EQ(0, parsnip::testing::CountCalls("kel::plane::CPieLayer::SetModifyObject"));
        EXPECT_EQ(stamp, w.layer->GetTimeStamp());
        EXPECT_EQ(redraws, page.Redraws());
        // A later report from code is judged afresh: the page writes the real-time flag as for any
        // date it hears of.
        page.Report(D::kDateEndId, _variant_t(COleDateTime(2020, 12, 31, 0, 0, 0).m_dt));
        EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CPieLayer::SetModifyObject"));
    }
    w.pie.SetDateBegin(COleDateTime(2024, 1, 1, 0, 0, 0));
    w.pie.SetDateEnd(COleDateTime(2024, 12, 31, 0, 0, 0));
    OpenList<D> page(w.layer);
    EXPECT_FALSE(page.Enabled(D::kCountId));
    EXPECT_FALSE(page.Enabled(D::kShapeId));
    auto* begin = dynamic_cast<CBCGPDateTimeProp*>(page.Item(D::kDateBeginId));
    auto* end = dynamic_cast<CBCGPDateTimeProp*>(page.Item(D::kDateEndId));
    ASSERT_TRUE(begin && end);
    // A begin after the end, an end before the begin: the item shows the stored date, nothing
    // is written or redrawn.
    const int redraws = page.Redraws();
    parsnip::testing::ClearCallLog();
    page.grid().PickDate(begin, COleDateTime(2025, 2, 1, 0, 0, 0));
    EXPECT_EQ(COleDateTime(2024, 1, 1, 0, 0, 0), w.pie.GetDateBegin());
    EXPECT_EQ(COleDateTime(2024, 1, 1, 0, 0, 0), begin->GetDate());
    page.grid().PickDate(end, COleDateTime(2023, 2, 1, 0, 0, 0));
    EXPECT_EQ(COleDateTime(2024, 12, 31, 0, 0, 0), w.pie.GetDateEnd());
    EXPECT_EQ(COleDateTime(2024, 12, 31, 0, 0, 0), end->GetDate());
    EXPECT_EQ(redraws, page.Redraws());
    EXPECT_EQ(0, parsnip::testing::CountCalls("kel::plane::CPieLayer::SetDateBegin"));
    EXPECT_EQ(0, parsnip::testing::CountCalls("kel::plane::CPieLayer::SetDateEnd"));
    EXPECT_EQ(0, parsnip::testing::CountCalls("kel::plane::CPieLayer::SetModifyObject"));
    // A date taken still writes the real-time flag, as every edit of the page does.
    page.grid().PickDate(end, COleDateTime(2024, 6, 30, 0, 0, 0));
    EXPECT_EQ(COleDateTime(2024, 6, 30, 0, 0, 0), w.pie.GetDateEnd());
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CPieLayer::SetDateEnd"));
    EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CPieLayer::SetModifyObject"));
    EXPECT_EQ(redraws + 1, page.Redraws());
}

TEST(PieLayerData, ARecolouredControlPointBlendsTheRowsBetween) {
    PieWorld w(0, 3);
    OpenList<D> page(w.layer);
    ASSERT_TRUE(page.Color(D::kFirstColorId, RGB(0, 0, 0)));
    ASSERT_TRUE(page.Color(D::kFirstColorId + 2, RGB(255, 0, 0)));
    EXPECT_EQ(RGB(127, 0, 0), w.pie.GetColor(1));
    page.Show(w.layer);
    COLORREF shown = 0;
    auto* middle = dynamic_cast<CBCGPColorProp*>(page.Item(D::kFirstColorId + 1));
    ASSERT_NE(nullptr, middle);
    shown = middle->GetColor();
    EXPECT_EQ(RGB(127, 0, 0), shown);
}

TEST(PieLayerData, ANewSourceDeletesTheObjectsAndResetsTheLayerBeforeItIsStored) {
    PieWorld w(1, 3);
    w.pie.SetTableName("小层数据表");
    w.map.Add<CQXObjectPie>("饼图", w.layer);
    OpenList<D> page(w.layer);
    parsnip::testing::ClearCallLog();
    ASSERT_TRUE(page.Pick(D::kSourceId, "散点数据"));
    const int deleted = CallIndex("CQXLayer::DeleteAllObject");
    const int reset = CallIndex("kel::plane::CPieLayer::InitializeLayer");
    const int stored = CallIndex("kel::plane::CPieLayer::SetTableName");
    ASSERT_GE(deleted, 0);
    EXPECT_LT(deleted, reset);
    EXPECT_LT(reset, stored);
    EXPECT_EQ(1, w.pie.GetDataType());
    EXPECT_EQ(1, w.pie.GetShapeType());
    EXPECT_EQ("", std::string(w.pie.GetTableName().GetString()));
    EXPECT_EQ(-1, w.pie.GetDataLayer());
    EXPECT_EQ(0, w.layer->GetObjectCount());
    EXPECT_EQ((std::vector<std::string>{"离散属性表"}), Options(page.Item(D::kTableId)));
}

TEST(PieLayerData, WellDataNeedAWellLayerAndAPageWithoutLayerWritesNothing) {
    PieWorld w(3, 3);
    OpenList<D> page;
    ASSERT_TRUE(page.Pick(D::kCountId, "2"));  // before the host named the layer
    EXPECT_EQ(3, w.pie.GetRecordCount());
    page.Show(w.layer);
    EXPECT_FALSE(page.Enabled(D::kTableId));
    EXPECT_EQ((std::vector<std::string>{"井数据", "散点数据"}), Options(page.Item(D::kSourceId)));

    w.map.AddLayer("井位层", "井位");
    w.pie.SetTableName("小层数据表");
    w.pie.SetDataLayer(1);
    page.Show(w.layer);
    EXPECT_TRUE(page.Enabled(D::kTableId));
    EXPECT_EQ("沙二段", page.Value(D::kStratumId));
    ASSERT_TRUE(page.Pick(D::kStratumId, "沙三段"));
    EXPECT_EQ(2, w.pie.GetDataLayer());
    // A name that is no stratum of the table, reported from code, is no stratum: -1.
    const int redraws = page.Redraws();
    page.Report(D::kStratumId, "无此层");
    EXPECT_EQ(-1, w.pie.GetDataLayer());
    EXPECT_EQ(redraws + 1, page.Redraws());
}

TEST(PieLayerData, TheFirstRefreshEnablesTheItemsItShowsForTheLayersOwnSource) {
    PieWorld w(0, 5);  // five properties: the page is built again
    OpenList<D> page(w.layer);
    EXPECT_FALSE(page.Enabled(D::kTableId));  // well data, no well layer on the map
    EXPECT_FALSE(page.Enabled(D::kStratumId));

    PieWorld scattered(0, 5);
    scattered.pie.SetDataType(1);
    OpenList<D> other(scattered.layer);
    EXPECT_EQ("散点数据", other.Value(D::kSourceId));
    EXPECT_TRUE(other.Enabled(D::kTableId));
    EXPECT_FALSE(other.Enabled(D::kStratumId));
}

TEST(PieLayerData, DynamicPiesShowTheDatesOfTheirShape) {
    PieWorld w(1, 3);
    w.pie.SetDataType(2);
    OpenList<D> page(w.layer);
    EXPECT_EQ((std::vector<std::string>{"日期1", "日期2"}), SubItemNames(page.Item(D::kDateGroupId)));
    ASSERT_TRUE(page.Pick(D::kShapeId, "饼状图(整圆)"));
    EXPECT_EQ(0, w.pie.GetShapeType());
    EXPECT_EQ((std::vector<std::string>{"日期"}), SubItemNames(page.Item(D::kDateGroupId)));
    page.grid().PickDate(dynamic_cast<CBCGPDateTimeProp*>(page.Item(D::kDate1Id)), COleDateTime(2024, 5, 6, 0, 0, 0));
    EXPECT_EQ(COleDateTime(2024, 5, 6, 0, 0, 0), w.pie.GetDate1());
}

TEST(PieLayerDisplay, AFixedRadiusClearsTheSelectionAndGreysTheScale) {
    PieWorld w(0, 3);
    auto* symbol = w.map.Add<CQXObjectPie>("饼图", w.layer);
    w.map.Select(symbol);
    OpenList<O> page(w.layer);
    ASSERT_TRUE(page.Pick(O::kRadiusModeId, "固定"));
    EXPECT_EQ(1, w.pie.GetFixRadius());
    EXPECT_EQ(0, w.layer->GetSelectedObjectCount());
    EXPECT_FALSE(page.Enabled(O::kScaleDrawId));
    EXPECT_FALSE(page.Enabled(O::kScaleFactorId));
}
