// The four pages of a chart axis: "轴", "刻度线", "标签" and "网格".
#include <gtest/gtest.h>

#include "ChartPageFixture.h"
#include "chart/KelPropListAxisGrid.h"
#include "chart/KelPropListAxisLabel.h"
#include "chart/PropListAxis.h"
#include "chart/PropListAxisTick.h"
#include "framework/FixedList.h"

using namespace charttest;
using namespace chart;

namespace {

// ---- 轴 ------------------------------------------------------------------------------------------------

using AxisPage = CPropListAxis;

TEST(AxisPage, ShowsTheAxisAndReappliesTheAttributeGroup) {
    OpenChartPage<AxisPage> p;
    ShapedAxis axis(0);
    axis.SetMin(0);
    axis.SetMax(100);
    axis.SetAxisLength(850);
    p.Show(&axis);
    EXPECT_EQ(p.Value(kScaleTypeId), "线性");
    EXPECT_EQ(p.Value(kLengthId), "8.5");
    EXPECT_EQ(p.Value(kMaxId), "100.0");
    EXPECT_EQ(p.Options(kTitlePosId), (Texts{"左端", "中端", "右端"}));
    EXPECT_TRUE(p.Enabled(kUnitId));

    // The attribute group is applied whole: an edit of the length also takes the scale and position.
    p.Item(kScaleTypeId)->SetValue(_variant_t("对数"));
    p.Item(kPosXId)->SetValue(_variant_t("7"));
    EXPECT_TRUE(p.Type(kLengthId, "12"));
    EXPECT_EQ(axis.GetLength(), 1200);
    EXPECT_EQ(axis.GetAxisScaleType(), 2);
    QXPOINT pos;
    axis.GetAxisPosition(pos);
    EXPECT_EQ(pos.x, 7);
    EXPECT_GT(p.Repaints(), 0);
}

TEST(AxisPage, RangeEditsGoThroughTheChecks) {
    OpenChartPage<AxisPage> p;
    ShapedAxis axis(1);
    axis.SetMin(0);
    axis.SetMax(100);
    axis.SetIsRangeAuto(false);
    p.Show(&axis);
    EXPECT_EQ(p.Options(kTitlePosId), (Texts{"上端", "中端", "下端"}));
    EXPECT_TRUE(p.Type(kMinId, "120"));
    EXPECT_EQ(Boxes(), Texts{"最小值必须小于：100.00"});
    EXPECT_EQ(axis.GetMin(), 0);
    EXPECT_TRUE(p.Type(kMajorSpacingId, "150"));
    EXPECT_EQ(Boxes().back(), "主刻度间隔必须小于：100.00");
    EXPECT_TRUE(p.Pick(kUnitId, "千"));
    EXPECT_EQ(axis.GetAxisUnit(), 4);
    EXPECT_TRUE(p.Pick(kTitlePosId, "下端"));
    EXPECT_EQ(axis.GetTitle()->GetTitleRelativePos(), 4);
    EXPECT_TRUE(p.Type(kTitleTextId, "深度"));
    EXPECT_EQ(axis.GetTitle()->GetText(), "深度");
}

// A group is applied whole, but an entry still showing the stored value (the refresh's rounding)
// stands for that value: the rounding never reaches the axis.
TEST(AxisPage, ReappliedEntriesKeepTheStoredDigits) {
    OpenChartPage<AxisPage> p;
    ShapedAxis axis(0);
    axis.SetIsRangeAuto(false);
    axis.SetMin(0.25);
    axis.SetMax(99.96);
    axis.GetTickMarks()->GetMajorTickStruct()->SetSpacing(12.345);
    axis.SetAxisLength(1234.5);
    QXPOINT pos;
    pos.x = 3.25;
    pos.y = -4.125;
    axis.MoveAxisTo(pos);
    CkelAxisTitle* title = axis.GetTitle();
    title->SetXOffset(1.25);
    title->SetYOffset(-2.125);
    title->SetRotateAngle(45.125);
    p.Show(&axis);
    EXPECT_EQ(p.Value(kMinId), "0.2");
    EXPECT_EQ(p.Value(kMaxId), "100.0");
    EXPECT_EQ(p.Value(kMajorSpacingId), "12.35");

    EXPECT_TRUE(p.Pick(kDescendId, "是"));
    EXPECT_TRUE(axis.GetDescend());
    EXPECT_DOUBLE_EQ(axis.GetMin(), 0.25);
    EXPECT_DOUBLE_EQ(axis.GetMax(), 99.96);
    EXPECT_DOUBLE_EQ(axis.GetTickMarks()->GetMajorTickStruct()->GetSpacing(), 12.345);
    EXPECT_TRUE(Boxes().empty());

    EXPECT_TRUE(p.Pick(kScaleTypeId, "对数"));
    EXPECT_EQ(axis.GetAxisScaleType(), 2);
    EXPECT_DOUBLE_EQ(axis.GetLength(), 1234.5);
    axis.GetAxisPosition(pos);
    EXPECT_DOUBLE_EQ(pos.x, 3.25);
    EXPECT_DOUBLE_EQ(pos.y, -4.125);

    EXPECT_TRUE(p.Pick(kTitlePosId, "左端"));
    EXPECT_EQ(title->GetTitleRelativePos(), 0);
    EXPECT_DOUBLE_EQ(title->GetXOffset(), 1.25);
    EXPECT_DOUBLE_EQ(title->GetYOffset(), -2.125);
    EXPECT_DOUBLE_EQ(title->GetRotateAngle(), 45.125);

    // An entry typed anew is taken as typed.
    EXPECT_TRUE(p.Type(kMinId, "0.5"));
    EXPECT_DOUBLE_EQ(axis.GetMin(), 0.5);
    EXPECT_DOUBLE_EQ(axis.GetMax(), 99.96);

    // A free text in the title's "位置" is taken as the middle, which the item then shows.
    EXPECT_TRUE(p.Type(kTitlePosId, "abc"));
    EXPECT_EQ(title->GetTitleRelativePos(), 2);
    EXPECT_EQ(p.Value(kTitlePosId), "中端");
}

// The edited entry is always the number typed, also where it reads as the display's rounding of the
// stored value: "100" over a maximum of 99.96 shown "100.0" is 100. The entries not edited keep
// their digits.
TEST(AxisPage, TheEditedEntryIsTheNumberTyped) {
    OpenChartPage<AxisPage> p;
    ShapedAxis axis(0);
    axis.SetIsRangeAuto(false);
    axis.SetMin(0.25);
    axis.SetMax(99.96);
    CkelAxisTickMarks::MajorTickStruct* major = axis.GetTickMarks()->GetMajorTickStruct();
    major->SetSpacing(12.345);
    axis.SetAxisLength(1234.5);
    axis.GetTitle()->SetXOffset(1.25);
    axis.GetTitle()->SetRotateAngle(45.125);
    p.Show(&axis);
    const int repaints = p.Repaints();
    EXPECT_TRUE(p.Type(kMaxId, "100"));
    EXPECT_DOUBLE_EQ(axis.GetMax(), 100);
    EXPECT_DOUBLE_EQ(axis.GetMin(), 0.25);
    EXPECT_DOUBLE_EQ(major->GetSpacing(), 12.345);
    EXPECT_GT(p.Repaints(), repaints);

    // "100.0" typed where a refusal showed the stored 99.96 with two decimals.
    axis.SetMax(99.96);
    p.Reshow(&axis);
    EXPECT_TRUE(p.Type(kMaxId, "abc"));
    EXPECT_EQ(p.Value(kMaxId), "99.96");
    EXPECT_TRUE(p.Type(kMaxId, "100.0"));
    EXPECT_DOUBLE_EQ(axis.GetMax(), 100);

    EXPECT_TRUE(p.Type(kMinId, "0"));
    EXPECT_DOUBLE_EQ(axis.GetMin(), 0);
    EXPECT_TRUE(p.Type(kMajorSpacingId, "12"));
    EXPECT_DOUBLE_EQ(major->GetSpacing(), 12);
    EXPECT_EQ(p.Value(kLengthId), "12.3");
    EXPECT_TRUE(p.Type(kLengthId, "12"));
    EXPECT_DOUBLE_EQ(axis.GetLength(), 1200);
    EXPECT_EQ(p.Value(kTitleAngleId), "45.1");
    EXPECT_TRUE(p.Type(kTitleAngleId, "45"));
    EXPECT_DOUBLE_EQ(axis.GetTitle()->GetRotateAngle(), 45);
    EXPECT_DOUBLE_EQ(axis.GetTitle()->GetXOffset(), 1.25);
    EXPECT_TRUE(Boxes().empty());
}

TEST(AxisPage, ScaleAndAxisTypesDisableGroups) {
    OpenChartPage<AxisPage> p;
    ShapedAxis fixed(0);
    fixed.SetAxisScaleType(7);
    p.Show(&fixed);
    EXPECT_FALSE(p.Enabled(kLengthId));
    EXPECT_FALSE(p.Enabled(kDescendId));
    EXPECT_FALSE(p.Expanded(kAttrGroupId));
    EXPECT_FALSE(p.Expanded(kRangeGroupId));
    EXPECT_TRUE(p.Enabled(AxisPage::kLineWidthId)) << "only scale type 3 also takes the line";

    ShapedAxis ternary(2);
    p.Show(&ternary);
    EXPECT_FALSE(p.Enabled(kDescendId));
    EXPECT_FALSE(p.Enabled(kUnitId));
    EXPECT_FALSE(p.Enabled(kScaleTypeId));

    ShapedAxis dataset(0, 2);
    p.Show(&dataset);
    EXPECT_EQ(p.Options(kScaleTypeId), Texts{"线性"});
    EXPECT_FALSE(p.Enabled(kUnitId)) << "only a space of type 1 takes a unit";
}

TEST(AxisPage, AnUnchangedAxisIsNotReadAgain) {
    OpenChartPage<AxisPage> p;
    ShapedAxis axis(0);
    p.Show(&axis);
    p.Item(kMaxId)->SetValue(_variant_t("typed"));
    p.Show(&axis);
    EXPECT_EQ(p.Value(kMaxId), "typed");
    p.Reshow(&axis);
    EXPECT_EQ(p.Value(kMaxId), "1.0");
}

// ---- 刻度线 --------------------------------------------------------------------------------------------

using TickPage = CPropListAxisTick;

TEST(AxisTickPage, SidesByAxisType) {
    OpenChartPage<TickPage> p;
    ShapedAxis horizontal(0);
    p.Show(&horizontal);
    EXPECT_EQ(p.Options(TickPage::kMajorSideId), (Texts{"无", "下部", "上部"}));
    EXPECT_TRUE(p.Pick(TickPage::kMajorSideId, "上部"));
    EXPECT_EQ(horizontal.GetTickMarks()->GetMajorTickStruct()->GetSide(), 2);

    ShapedAxis six(6);
    p.Show(&six);
    EXPECT_EQ(p.Options(TickPage::kMinorSideId), (Texts{"无", "内部", "外部"}));
    EXPECT_EQ(p.Value(TickPage::kMinorSideId), "无");
    EXPECT_TRUE(p.Pick(TickPage::kMinorSideId, "外部"));
    EXPECT_EQ(six.GetTickMarks()->GetMinorTickStruct()->GetSide(), 2);
}

TEST(AxisTickPage, LengthsAndWidths) {
    OpenChartPage<TickPage> p;
    ShapedAxis axis(1);
    axis.GetTickMarks()->GetMajorTickStruct()->SetLength(300);
    p.Show(&axis);
    EXPECT_TRUE(p.Type(TickPage::kMajorLengthId, "abc"));
    EXPECT_EQ(p.Value(TickPage::kMajorLengthId), "3.00");
    EXPECT_TRUE(p.Type(TickPage::kMajorLengthId, "2.5"));
    EXPECT_EQ(axis.GetTickMarks()->GetMajorTickStruct()->GetLength(), 250);
    EXPECT_TRUE(p.Pick(TickPage::kMinorWidthId, "0.5"));
    QXLOGPEN pen;
    axis.GetTickMarks()->GetMinorTickStruct()->GetStyle(&pen);
    EXPECT_FLOAT_EQ(pen.width, 50);
    EXPECT_TRUE(Boxes().empty());
}

TEST(AxisTickPage, FixedScaleDisablesTheMinorTicks) {
    OpenChartPage<TickPage> p;
    ShapedAxis axis(0);
    axis.SetAxisScaleType(7);
    p.Show(&axis);
    EXPECT_FALSE(p.Enabled(TickPage::kMinorSideId));
    EXPECT_FALSE(p.Enabled(TickPage::kMinorWidthId));
    EXPECT_TRUE(p.Enabled(TickPage::kMajorWidthId));
}

TEST(AxisPenWidths, OnlyDigitsBlanksAndPointsAreAWidth) {
    CBCGPProp item("粗细", _variant_t(""), "", 1);
    QXLOGPEN pen;
    pen.width = 99;
    EXPECT_TRUE(ReadPenSubItem(&item, 1, pen));
    EXPECT_FLOAT_EQ(pen.width, 0) << "an empty width is 0";
    item.SetValue(_variant_t("0.35"));
    EXPECT_TRUE(ReadPenSubItem(&item, 1, pen));
    EXPECT_FLOAT_EQ(pen.width, 35);
    for (const char* ignored : {"-1", "1e3", "abc"}) {
        item.SetValue(_variant_t(ignored));
        EXPECT_FALSE(ReadPenSubItem(&item, 1, pen)) << ignored;
        EXPECT_FLOAT_EQ(pen.width, 35) << ignored;
    }
}

// ---- 标签 ----------------------------------------------------------------------------------------------

using LabelPage = CkelPropListAxisLabel;

TEST(AxisLabelPage, SidesAndAlignment) {
    OpenChartPage<LabelPage> p;
    ShapedAxis horizontal(0);
    p.Show(&horizontal);
    EXPECT_EQ(p.Options(LabelPage::kMajorSideId), (Texts{"下部", "上部"}));
    EXPECT_TRUE(p.Pick(LabelPage::kMajorSideId, "上部"));
    EXPECT_EQ(horizontal.GetTickLabels()->GetMajorTickLabel()->GetTickSide(), 1);
    EXPECT_TRUE(p.Pick(LabelPage::kAlignId, "右部"));
    EXPECT_EQ(horizontal.GetTickLabels()->GetAlignType(), 1);

    ShapedAxis vertical(1);
    vertical.GetTickLabels()->GetMinorTickLabel()->SetTickSide(KEL_SIDE_RIGHT_TOP);
    p.Show(&vertical);
    EXPECT_EQ(p.Value(LabelPage::kMinorSideId), "右部");
    EXPECT_EQ(p.Options(LabelPage::kMinorSideId), (Texts{"左部", "右部"}));

    // The conversion and the side list read every side text as the axis shown reads it: the near
    // sides ("下部", "左部", "外部") 0 and the far ones 1, swapped on types 5 and 6.
    const auto listed = [&](DWORD_PTR id, const char* text) {
        const CFixedListProp* list = FixedListOf(p.Item(id));
        int value = -1;
        EXPECT_TRUE(list && list->ValueOf(text, &value)) << text;
        return value;
    };
    const std::vector<int> plain = {0, 1, 2, 3, 4}, swapped = {5, 6};
    const struct {
        std::vector<int> axisTypes;
        const char* text;
        int side;
    } sides[] = {
        {plain, "下部", 0},           {plain, "左部", 0},   {plain, "外部", 0},   {plain, "上部", 1},
        {plain, "右部", 1},           {plain, "内部", 1},   {swapped, "下部", 1}, {swapped, "左部", 1},
        {swapped, "外部", 1},         {swapped, "上部", 0}, {swapped, "右部", 0}, {swapped, "内部", 0},
        {{0, 3, 5, 6, 9}, "别处", 0}, {{5, 9}, "无", 0},
    };
    for (const auto& row : sides) {
        for (int axisType : row.axisTypes) {
            SCOPED_TRACE(std::string(row.text) + " on axis type " + std::to_string(axisType));
            ShapedAxis axis(axisType);
            p.Show(&axis);
            EXPECT_EQ(LabelSideFromText(&axis, row.text), row.side);
            EXPECT_EQ(listed(LabelPage::kMajorSideId, row.text), row.side);
        }
    }
    EXPECT_EQ(LabelSideFromText(nullptr, "上部"), 1) << "no axis reads as a horizontal one";
    EXPECT_STREQ(LabelSideToText(4, 1), "内部");
    const struct {
        const char* text;
        int align;
    } aligns[] = {{"左部", 0}, {"右部", 1}, {"居中", 2}, {"别处", 2}};
    for (const auto& row : aligns) {
        EXPECT_EQ(LabelAlignFromText(row.text), row.align) << row.text;
        EXPECT_EQ(listed(LabelPage::kAlignId, row.text), row.align) << row.text;
    }
}

TEST(AxisLabelPage, FormatFollowsTheLabelType) {
    OpenChartPage<LabelPage> p;
    ShapedAxis axis(0);
    axis.GetTickLabels()->GetMajorTickLabel()->GetLabelFormat()->m_nLabelType = 1;
    axis.GetTickLabels()->GetMinorTickLabel()->GetLabelFormat()->m_nLabelType = 2;
    p.Show(&axis);
    EXPECT_EQ(p.Value(LabelPage::kMajorTypeId), "日期");
    EXPECT_TRUE(p.Enabled(LabelPage::kMajorDateId));
    EXPECT_FALSE(p.Enabled(LabelPage::kMajorDecimalsId));
    EXPECT_TRUE(p.Pick(LabelPage::kMajorDateId, "yyyy"));
    EXPECT_EQ(axis.GetTickLabels()->GetMajorTickLabel()->GetDateFormatA(), 2);

    EXPECT_EQ(p.Value(LabelPage::kMinorTypeId), "字符");
    EXPECT_FALSE(p.Expanded(LabelPage::kMinorFormatId));
    EXPECT_FALSE(p.Enabled(LabelPage::kMinorDateId));
    EXPECT_FALSE(p.Enabled(LabelPage::kMinorDecimalsId));
}

TEST(AxisLabelPage, OffsetsAndFontSize) {
    OpenChartPage<LabelPage> p;
    ShapedAxis axis(0);
    p.Show(&axis);
    CkelAxisTickLabels::TickLabelEntity* minor = axis.GetTickLabels()->GetMinorTickLabel();
    QXLOGFONT font;
    font.size = 900;
    minor->SetLOGFONT(&font);
    EXPECT_TRUE(p.Type(LabelPage::kMinorFontSizeId, "abc"));
    minor->GetLOGFONT(&font);
    EXPECT_FLOAT_EQ(font.size, 900) << "a size that is no number is ignored";
    EXPECT_TRUE(p.Type(LabelPage::kMinorFontSizeId, "10"));
    minor->GetLOGFONT(&font);
    EXPECT_FLOAT_EQ(font.size, 1000);
    EXPECT_TRUE(p.Type(LabelPage::kMajorXOffsetId, "12.5"));
    EXPECT_EQ(axis.GetTickLabels()->GetMajorTickLabel()->GetXOffset(), 1250);
    EXPECT_TRUE(p.Type(LabelPage::kMajorXOffsetId, "abc"));
    EXPECT_EQ(axis.GetTickLabels()->GetMajorTickLabel()->GetXOffset(), 0) << "a text that is no number reads 0";
}

TEST(AxisLabelPage, HiddenLabelsDisableTheirItemsAtTheNextRefresh) {
    OpenChartPage<LabelPage> p;
    ShapedAxis axis(0);
    p.Show(&axis);
    EXPECT_TRUE(p.Pick(LabelPage::kMajorShowId, "否"));
    EXPECT_FALSE(axis.GetTickLabels()->GetMajorTickLabel()->GetOn());
    EXPECT_TRUE(p.Enabled(LabelPage::kMajorSideId)) << "the edit changes no enabling";
    p.Reshow(&axis);
    EXPECT_FALSE(p.Enabled(LabelPage::kMajorSideId));
    EXPECT_FALSE(p.Enabled(LabelPage::kMajorFontSizeId));
    EXPECT_FALSE(p.Enabled(LabelPage::kMajorDecimalsId));
}

// ---- 网格 ----------------------------------------------------------------------------------------------

using GridPage = CkelPropListAxisGrid;

TEST(AxisGridPage, ShowSwitchesThePenItemsAtOnce) {
    OpenChartPage<GridPage> p;
    ShapedAxis axis(0);
    axis.GetGrid()->SetShowMajorTicks(true);
    p.Show(&axis);
    EXPECT_TRUE(p.Enabled(GridPage::kMajorWidthId));
    EXPECT_FALSE(p.Enabled(GridPage::kMinorWidthId));
    EXPECT_TRUE(p.Pick(GridPage::kMajorShowId, "否"));
    EXPECT_FALSE(axis.GetGrid()->GetShowMajorTicks());
    for (DWORD_PTR id : {GridPage::kMajorStyleId, GridPage::kMajorWidthId, GridPage::kMajorColorId})
        EXPECT_FALSE(p.Enabled(id)) << id;
    EXPECT_TRUE(p.Pick(GridPage::kMinorShowId, "是"));
    EXPECT_TRUE(p.Pick(GridPage::kMinorWidthId, "0.5"));
    QXLOGPEN pen;
    axis.GetGrid()->GetMinorLogPen(&pen);
    EXPECT_FLOAT_EQ(pen.width, 50);
    EXPECT_TRUE(p.Color(GridPage::kMinorColorId, RGB(0, 0, 255)));
    axis.GetGrid()->GetMinorLogPen(&pen);
    EXPECT_EQ(pen.color, RGB(0, 0, 255));
    EXPECT_FLOAT_EQ(pen.width, 50);
}

TEST(AxisGridPage, FixedScaleDisablesTheMinorGrid) {
    OpenChartPage<GridPage> p;
    ShapedAxis axis(0);
    axis.GetGrid()->SetShowMinorTicks(true);
    axis.SetAxisScaleType(8);
    p.Show(&axis);
    for (DWORD_PTR id : {GridPage::kMinorShowId, GridPage::kMinorStyleId, GridPage::kMinorWidthId})
        EXPECT_FALSE(p.Enabled(id)) << id;
    EXPECT_TRUE(p.Enabled(GridPage::kMajorShowId));
}

}  // namespace
