// The axis item groups: text conversions, the range checks with their messages, the appliers and
// the line-plot fill group.
#include <gtest/gtest.h>

#include <memory>

#include "ChartPageFixture.h"
#include "chart/AxisGroups.h"
#include "chart/ChartGroups.h"
#include "chart/ChartReaders.h"
#include "chart/KelPropListAxisLabel.h"
#include "chart/PropListAxis.h"
#include "framework/FixedList.h"
#include "hosttypes/Thistle/Plots.h"

using namespace charttest;
using namespace chart;

namespace {

std::string Text(CBCGPProp* item) { return VariantToText(item->GetValue()).str(); }

// A group built by a builder, with the typed text of one item.
class AxisGroups : public ::testing::Test {
protected:
    void SetUp() override { platform::Responder::Instance().ClearMessageBoxes(); }
    void Range(IkelAxis& axis, double min, double max) {
        axis.SetMin(min);
        axis.SetMax(max);
    }
    CBCGPProp* Typed(CBCGPProp* group, DWORD_PTR id, const char* text) {
        CBCGPProp* item = group->FindSubItemByData(id);
        item->SetValue(_variant_t(text));
        return item;
    }
    std::unique_ptr<CBCGPProp> attr{CreateAxisAttrProp()};
    std::unique_ptr<CBCGPProp> range{CreateAxisRangeProp(nullptr)};
    std::unique_ptr<CBCGPProp> title{CreateAxisTitleProp("轴标题")};
};

// The value a list's text stands for, as the list reads it; -99 when the list refuses it.
int ValueIn(CBCGPProp* item, const char* text) {
    int value = -99;
    const CFixedListProp* list = FixedListOf(item);
    EXPECT_NE(list, nullptr);
    return list && list->ValueOf(text, &value) ? value : -99;
}

// Each conversion reads every text of its table, and any other text, to the value the list of its
// item reads it to; the refresh's texts go back the other way.
TEST(AxisTexts, EachConversionAndItsListReadOneTable) {
    std::unique_ptr<CBCGPProp> attr(CreateAxisAttrProp()), title(CreateAxisTitleProp("轴标题")),
        fill(CreateLineFillProp("填充"));
    struct Conversion {
        int (*convert)(const CString&);
        CBCGPProp* list;
    };
    const Conversion scale{&AxisScaleFromText, attr->FindSubItemByData(kScaleTypeId)};
    const Conversion position{&TitlePosFromText, title->FindSubItemByData(kTitlePosId)};
    const Conversion target{&FillDirectionFromText, fill->FindSubItemByData(kLineFillTargetId)};
    const struct {
        const Conversion& conversion;
        const char* text;
        int value;
    } rows[] = {
        {scale, "线性", 1},    {scale, "对数", 2},    {scale, "概率", 5},    {scale, "立方", 1},
        {scale, "", 1},        {position, "左端", 0}, {position, "右端", 1}, {position, "中端", 2},
        {position, "上端", 3}, {position, "下端", 4}, {position, "别处", 2}, {target, "下", 1},
        {target, "左", 3},     {target, "右", 2},     {target, "上", 0},     {target, "?", 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.conversion.convert(row.text), row.value) << row.text;
        EXPECT_EQ(ValueIn(row.conversion.list, row.text), row.value) << row.text;
    }
    EXPECT_STREQ(AxisScaleToText(1), "线性");
    EXPECT_STREQ(AxisScaleToText(7), "对数");
    EXPECT_STREQ(TitlePosToText(9), "中端");
    EXPECT_STREQ(FillDirectionToText(2), "右");
    EXPECT_STREQ(FillDirectionToText(8), "下");
}

// The number lists read any other text by their page's reader, whoever asks: a minor division is
// a number from 1 ("12.99" is 12), a count of decimals a leading integer not below 0 (none is 0).
TEST(AxisTexts, NumberListsReadAnyOtherTextAsTheirPageDoes) {
    std::unique_ptr<CBCGPProp> range(CreateAxisRangeProp(nullptr));
    CBCGPProp* division = range->FindSubItemByData(kMinorDivisionId);
    EXPECT_EQ(ValueIn(division, "19"), 19);
    EXPECT_EQ(ValueIn(division, "12.99"), 12);
    EXPECT_EQ(ValueIn(division, "40"), 40);
    EXPECT_EQ(ValueIn(division, "0"), -99);
    EXPECT_EQ(ValueIn(division, "abc"), -99);
    std::unique_ptr<CBCGPProp> decimals(NewNumberListItem("小数位数", "", 1, 0, 5, &ReadDecimals));
    EXPECT_EQ(ValueIn(decimals.get(), "3"), 3);
    EXPECT_EQ(ValueIn(decimals.get(), "9x"), 9);
    EXPECT_EQ(ValueIn(decimals.get(), "abc"), 0);
    EXPECT_EQ(ValueIn(decimals.get(), "-1"), -99);
}

TEST(AxisTexts, TickSidesByAxisType) {
    EXPECT_STREQ(TickSideToText(0, 2), "上部");
    EXPECT_STREQ(TickSideToText(1, 1), "左部");
    EXPECT_STREQ(TickSideToText(4, 1), "外部");
    EXPECT_STREQ(TickSideToText(3, 1), "内部");
    EXPECT_STREQ(TickSideToText(6, 0), "无");
    EXPECT_STREQ(TickSideToText(9, 1), "");
    // The conversion and the list of each axis type read every side text as that type does: the
    // near sides ("下部", "左部", "外部") 1 and the far ones 2, swapped on types 3, 5 and 6.
    std::unique_ptr<CBCGPProp> item(NewTickSideItem("位置", "", 1));
    const std::vector<int> plain = {0, 1, 2, 4}, swapped = {3, 5, 6};
    const struct {
        std::vector<int> axisTypes;
        const char* text;
        int side;
    } rows[] = {
        {plain, "下部", 1},      {plain, "左部", 1},        {plain, "外部", 1},   {plain, "上部", 2},
        {plain, "右部", 2},      {plain, "内部", 2},        {swapped, "下部", 2}, {swapped, "左部", 2},
        {swapped, "外部", 2},    {swapped, "上部", 1},      {swapped, "右部", 1}, {swapped, "内部", 1},
        {{0, 3, 4, 9}, "无", 0}, {{0, 3, 5, 9}, "别处", 1}, {{9}, "", 1},
    };
    for (const auto& row : rows) {
        for (int axisType : row.axisTypes) {
            SCOPED_TRACE(std::string(row.text) + " on axis type " + std::to_string(axisType));
            ShapedAxis axis(axisType);
            EXPECT_EQ(TickSideFromText(&axis, row.text), row.side);
            SetTickSideOptions(item.get(), axisType);
            EXPECT_EQ(ValueIn(item.get(), row.text), row.side);
        }
    }
    EXPECT_EQ(TickSideFromText(nullptr, "上部"), 2) << "no axis reads as a horizontal one";
    SetTickSideOptions(item.get(), 1);
    ASSERT_EQ(item->GetOptionCount(), 3);
    EXPECT_STREQ(item->GetOption(2), "右部");
}

// The side setters replace the options of any item they are given, a list or not.
TEST(AxisTexts, SideOptionsOfAnyItem) {
    CBCGPProp plain("位置", _variant_t(""), "", 1);
    plain.AddOption("旧选项");
    SetTickSideOptions(&plain, 4);
    EXPECT_EQ(platform::GridDriver::Info(&plain).options, (Texts{"无", "内部", "外部"}));
    SetTickSideOptions(&plain, 9);
    EXPECT_EQ(platform::GridDriver::Info(&plain).options, Texts{"无"});
    SetLabelSideOptions(&plain, 1);
    EXPECT_EQ(platform::GridDriver::Info(&plain).options, (Texts{"左部", "右部"}));
    SetLabelSideOptions(&plain, 9);
    EXPECT_TRUE(platform::GridDriver::Info(&plain).options.empty());
}

TEST_F(AxisGroups, ProbabilityOnlyStrictlyInsideZeroToHundred) {
    CkelAxisStanderdX axis;
    Range(axis, 1, 99);
    ApplyAxisScaleType(Typed(attr.get(), kScaleTypeId, "概率"), &axis);
    EXPECT_EQ(axis.GetAxisScaleType(), 5);
    EXPECT_TRUE(Boxes().empty());

    CkelAxisStanderdX wide;
    Range(wide, -1, 50);
    CBCGPProp* item = Typed(attr.get(), kScaleTypeId, "概率");
    ApplyAxisScaleType(item, &wide);
    EXPECT_EQ(wide.GetAxisScaleType(), 1);
    EXPECT_EQ(Boxes(), Texts{"数据范围超出0-100，此轴不能设为概率轴"});
    EXPECT_EQ(Text(item), "线性");
    Range(wide, 0, 100);
    ApplyAxisScaleType(Typed(attr.get(), kScaleTypeId, "概率"), &wide);
    EXPECT_EQ(wide.GetAxisScaleType(), 1) << "both bounds are strict";
}

TEST_F(AxisGroups, MinimumAndMaximumOfAStandardAxis) {
    CkelAxisStanderdX axis;
    Range(axis, 0, 100);
    CBCGPProp* min = Typed(range.get(), kMinId, "120");
    EXPECT_FALSE(ApplyAxisMin(min, &axis));
    EXPECT_EQ(Boxes(), Texts{"最小值必须小于：100.00"});
    EXPECT_EQ(Text(min), "0.00");
    EXPECT_EQ(axis.GetMin(), 0);
    EXPECT_TRUE(ApplyAxisMin(Typed(range.get(), kMinId, "-20"), &axis));
    EXPECT_EQ(axis.GetMin(), -20) << "a standard axis takes negative values";
    EXPECT_FALSE(ApplyAxisMin(Typed(range.get(), kMinId, "1x"), &axis));
    EXPECT_EQ(axis.GetMin(), -20);
    EXPECT_EQ(Boxes().size(), 1u) << "a text that is no number is refused silently";

    CBCGPProp* max = Typed(range.get(), kMaxId, "-20");
    EXPECT_FALSE(ApplyAxisMax(max, &axis));
    EXPECT_EQ(Boxes().back(), "最大值必须大于：-20.00");
    EXPECT_EQ(Text(max), "100.00");
    EXPECT_FALSE(ApplyAxisMax(Typed(range.get(), kMaxId, "nan"), &axis));
    EXPECT_EQ(axis.GetMax(), 100);
}

TEST_F(AxisGroups, AngleAxisRangeStaysWithinAFullTurn) {
    CkelAxisAngle axis;
    Range(axis, 10, 300);
    CBCGPProp* max = Typed(range.get(), kMaxId, "400");
    ApplyAxisMax(max, &axis);
    EXPECT_EQ(Boxes(), Texts{"最大值必须在[0,360]之间，且大于：10.00"});
    EXPECT_EQ(Text(max), "300.00");
    ApplyAxisMax(Typed(range.get(), kMaxId, "360"), &axis);
    EXPECT_EQ(axis.GetMax(), 360);

    EXPECT_FALSE(ApplyAxisMin(Typed(range.get(), kMinId, "-1"), &axis));
    EXPECT_EQ(axis.GetMin(), 10) << "an angle minimum that is no number of 0 or more changes nothing";
    EXPECT_EQ(Boxes().size(), 1u);
    ApplyAxisMin(Typed(range.get(), kMinId, "360"), &axis);
    EXPECT_EQ(Boxes().back(), "最小值必须在[0,360]之间，且小于：360.00");
    ApplyAxisMin(Typed(range.get(), kMinId, "0"), &axis);
    EXPECT_EQ(axis.GetMin(), 0);
}

TEST_F(AxisGroups, MajorSpacingOfZeroNeverReachesTheAxis) {
    CkelAxisStanderdX axis;
    Range(axis, 0, 100);
    axis.GetTickMarks()->GetMajorTickStruct()->SetSpacing(20);
    for (const char* kept : {"0", "-5", "abc"}) {
        EXPECT_FALSE(ApplyMajorSpacing(Typed(range.get(), kMajorSpacingId, kept), &axis)) << kept;
        EXPECT_EQ(axis.GetTickMarks()->GetMajorTickStruct()->GetSpacing(), 20) << kept;
    }
    EXPECT_TRUE(Boxes().empty());
    ApplyMajorSpacing(Typed(range.get(), kMajorSpacingId, "150"), &axis);
    EXPECT_EQ(Boxes(), Texts{"主刻度间隔必须小于：100.00"});
    ApplyMajorSpacing(Typed(range.get(), kMajorSpacingId, "100"), &axis);
    EXPECT_EQ(Boxes().size(), 2u) << "the whole range is no spacing either";
    ApplyMajorSpacing(Typed(range.get(), kMajorSpacingId, "25"), &axis);
    EXPECT_EQ(axis.GetTickMarks()->GetMajorTickStruct()->GetSpacing(), 25);
}

TEST_F(AxisGroups, MinorDivisionIsCutToAWholeCount) {
    CkelAxisStanderdX axis;
    ApplyMinorDivision(Typed(range.get(), kMinorDivisionId, "7.6"), &axis);
    EXPECT_EQ(axis.GetTickMarks()->GetMinorTickStruct()->GetDivision(), 7u);
    EXPECT_FALSE(ApplyMinorDivision(Typed(range.get(), kMinorDivisionId, "0.5"), &axis));
    EXPECT_EQ(axis.GetTickMarks()->GetMinorTickStruct()->GetDivision(), 7u) << "no division by 0";
    EXPECT_FALSE(ApplyMinorDivision(Typed(range.get(), kMinorDivisionId, "2147483648"), &axis));
    EXPECT_EQ(axis.GetTickMarks()->GetMinorTickStruct()->GetDivision(), 7u) << "a count the item would show negative";
}

TEST_F(AxisGroups, RangeGroupAppliesAllItsItemsAndTheUnit) {
    CkelAxisStanderdX axis;
    Range(axis, 0, 100);
    Typed(range.get(), kDescendId, "是");
    Typed(range.get(), kAutoRangeId, "否");
    Typed(range.get(), kMinId, "5");
    Typed(range.get(), kMaxId, "50");
    Typed(range.get(), kMajorSpacingId, "10");
    Typed(range.get(), kMinorDivisionId, "4");
    Typed(range.get(), kUnitId, "千");
    ApplyAxisRangeProp(range->FindSubItemByData(kUnitId), &axis);
    EXPECT_TRUE(axis.GetDescend());
    EXPECT_FALSE(axis.GetIsAutoRange());
    EXPECT_EQ(axis.GetMin(), 5);
    EXPECT_EQ(axis.GetMax(), 50);
    EXPECT_EQ(axis.GetTickMarks()->GetMajorTickStruct()->GetSpacing(), 10);
    EXPECT_EQ(axis.GetTickMarks()->GetMinorTickStruct()->GetDivision(), 4u);
    EXPECT_EQ(axis.GetAxisUnit(), 4);

    Typed(range.get(), kAutoRangeId, "是");
    Typed(range.get(), kMinId, "1");
    Typed(range.get(), kUnitId, "无");
    ApplyAxisRangeProp(range->FindSubItemByData(kUnitId), &axis);
    EXPECT_EQ(axis.GetMin(), 5) << "an automatic range takes no typed bounds";
    EXPECT_EQ(axis.GetAxisUnit(), 0);
}

// A group is read and checked whole before the axis is written: an edited bound, spacing or scale
// that a check refuses leaves every setting of the axis, its stamp included, as it was.
TEST_F(AxisGroups, ARefusedEntryOfAGroupWritesNoneOfIt) {
    CkelAxisStanderdX axis;
    Range(axis, 0, 100);
    axis.SetIsRangeAuto(false);
    axis.GetTickMarks()->GetMajorTickStruct()->SetSpacing(20);
    struct Case {
        DWORD_PTR id;
        const char* text;
        const char* message;
        const char* shown;
    };
    const Case cases[] = {
        {kMaxId, "20", "最大值必须大于：30.00", "100.00"},              // above the old minimum, not the new one
        {kMajorSpacingId, "80", "主刻度间隔必须小于：70.00", "20.00"},  // below the old range, not the new one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SetAxisRangeProp(&axis, range.get());
        Typed(range.get(), kDescendId, "是");  // edited with the refused entry
        Typed(range.get(), kMinId, "30");
        const uint64_t stamp = axis.GetTimeStamp();
        CBCGPProp* item = Typed(range.get(), c.id, c.text);
        EXPECT_FALSE(ApplyAxisRangeProp(item, &axis));
        EXPECT_EQ(Boxes().back(), c.message);
        EXPECT_EQ(Text(item), c.shown);
        EXPECT_FALSE(axis.GetDescend());
        EXPECT_EQ(axis.GetMin(), 0);
        EXPECT_EQ(axis.GetTimeStamp(), stamp);
    }

    Typed(attr.get(), kScaleTypeId, "概率");
    Typed(attr.get(), kLengthId, "12");
    const uint64_t stamp = axis.GetTimeStamp();
    EXPECT_FALSE(ApplyAxisAttrProp(attr->FindSubItemByData(kScaleTypeId), &axis));
    EXPECT_EQ(Boxes().back(), "数据范围超出0-100，此轴不能设为概率轴");
    EXPECT_NE(axis.GetLength(), 1200);
    EXPECT_EQ(axis.GetTimeStamp(), stamp);
}

// The edited entry decides; the other entries are applied again with their own checks: one that
// no longer passes keeps the stored value and says so where its check has a message.
TEST_F(AxisGroups, ReappliedEntriesKeepTheirChecksAndMessages) {
    CkelAxisStanderdX axis;
    Range(axis, 0, 100);
    axis.SetIsRangeAuto(false);
    axis.GetTickMarks()->GetMajorTickStruct()->SetSpacing(60);
    SetAxisRangeProp(&axis, range.get());
    EXPECT_TRUE(ApplyAxisRangeProp(Typed(range.get(), kMinId, "50"), &axis));
    EXPECT_EQ(axis.GetMin(), 50);
    EXPECT_EQ(axis.GetTickMarks()->GetMajorTickStruct()->GetSpacing(), 60);
    EXPECT_EQ(Boxes(), Texts{"主刻度间隔必须小于：50.00"});
    EXPECT_EQ(Text(range->FindSubItemByData(kMajorSpacingId)), "60.00");

    // A fresh axis's spacing of 0 is no spacing: shown again, without a message.
    CkelAxisStanderdX fresh;
    Range(fresh, 0, 100);
    fresh.SetIsRangeAuto(false);
    SetAxisRangeProp(&fresh, range.get());
    EXPECT_TRUE(ApplyAxisRangeProp(Typed(range.get(), kMinId, "40"), &fresh));
    EXPECT_EQ(fresh.GetMin(), 40);
    EXPECT_EQ(fresh.GetTickMarks()->GetMajorTickStruct()->GetSpacing(), 0);
    EXPECT_EQ(Boxes().size(), 1u);

    // An edited entry that is refused writes nothing of the group, and speaks once.
    const uint64_t stamp = axis.GetTimeStamp();
    SetAxisRangeProp(&axis, range.get());
    EXPECT_FALSE(ApplyAxisRangeProp(Typed(range.get(), kMaxId, "10"), &axis));
    EXPECT_EQ(Boxes().back(), "最大值必须大于：50.00");
    EXPECT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(axis.GetTimeStamp(), stamp);

    // An edit of the length applies the scale type again, with its check and message.
    axis.SetAxisScaleType(5);
    SetAxisAttrProp(&axis, attr.get());
    Range(axis, 0, 100);
    EXPECT_TRUE(ApplyAxisAttrProp(Typed(attr.get(), kLengthId, "12"), &axis));
    EXPECT_EQ(axis.GetLength(), 1200);
    EXPECT_EQ(Boxes().back(), "数据范围超出0-100，此轴不能设为概率轴");
    EXPECT_EQ(axis.GetAxisScaleType(), 5);

    // An edit of the angle applies the offsets again: one that does not read shows the stored one.
    axis.GetTitle()->SetXOffset(1.5);
    SetAxisTitleProp(title.get(), &axis);
    Typed(title.get(), kTitleXOffsetId, "x");
    EXPECT_TRUE(ApplyTitlePosProp(Typed(title.get(), kTitleAngleId, "30"), &axis));
    EXPECT_EQ(axis.GetTitle()->GetRotateAngle(), 30);
    EXPECT_EQ(axis.GetTitle()->GetXOffset(), 1.5);
    EXPECT_EQ(Text(title->FindSubItemByData(kTitleXOffsetId)), "1.50");
}

TEST_F(AxisGroups, RangeWriterDisablesWhatTheAxisDoesNotTake) {
    CkelAxisStanderdX axis;
    axis.SetIsRangeAuto(false);
    axis.SetAxisScaleType(5);
    SetAxisRangeProp(&axis, range.get());
    EXPECT_TRUE(range->FindSubItemByData(kMinId)->IsEnabled());
    EXPECT_FALSE(range->FindSubItemByData(kMajorSpacingId)->IsEnabled()) << "probability scale";
    EXPECT_FALSE(range->FindSubItemByData(kMinorDivisionId)->IsEnabled());
    ShapedAxis radius(4);
    SetAxisRangeProp(&radius, range.get());
    EXPECT_FALSE(range->FindSubItemByData(kDescendId)->IsEnabled());
    EXPECT_FALSE(range->IsExpanded());
}

TEST_F(AxisGroups, AttributesAndTitlePosition) {
    ShapedAxis axis(0);
    ApplyAxisLength(Typed(attr.get(), kLengthId, "12"), &axis);
    EXPECT_EQ(axis.GetLength(), 1200);
    ApplyAxisPosY(Typed(attr.get(), kPosYId, "3.5"), &axis);
    QXPOINT pos;
    axis.GetAxisPosition(pos);
    EXPECT_EQ(pos.y, 3.5);

    ShapedAxis dataset(0, 2);
    SetAxisAttrProp(&dataset, attr.get());
    EXPECT_EQ(attr->FindSubItemByData(kScaleTypeId)->GetOptionCount(), 1) << "a dataset space is linear only";
    SetAxisAttrProp(&axis, attr.get());
    EXPECT_EQ(attr->FindSubItemByData(kScaleTypeId)->GetOptionCount(), 3);

    Typed(title.get(), kTitlePosId, "下端");
    Typed(title.get(), kTitleXOffsetId, "1.5");
    Typed(title.get(), kTitleYOffsetId, "-2");
    Typed(title.get(), kTitleAngleId, "45");
    EXPECT_TRUE(ApplyTitlePosProp(title->FindSubItemByData(kTitleYOffsetId), &axis));
    EXPECT_EQ(axis.GetTitle()->GetTitleRelativePos(), 4);
    EXPECT_EQ(axis.GetTitle()->GetXOffset(), 1.5);
    EXPECT_EQ(axis.GetTitle()->GetYOffset(), -2) << "an offset keeps its sign";
    EXPECT_EQ(axis.GetTitle()->GetRotateAngle(), 45);
}

// The title's offsets and angle each apply alone, as the named operations of the title group: an
// offset the utility library takes as a number (a sign kept), an angle of GetNumberProp's; a text
// either refuses writes nothing and the item shows the title's value with two decimals.
TEST_F(AxisGroups, TitleOffsetsAndAngleApplyOneItemEach) {
    ShapedAxis axis(0);
    CkelAxisTitle* t = axis.GetTitle();
    t->SetXOffset(1.25);
    t->SetYOffset(-3);
    t->SetRotateAngle(10);
    EXPECT_TRUE(ApplyTitleXOffset(Typed(title.get(), kTitleXOffsetId, "12.5"), &axis));
    EXPECT_EQ(t->GetXOffset(), 12.5);
    EXPECT_EQ(t->GetYOffset(), -3) << "the other entries are not applied";
    EXPECT_TRUE(ApplyTitleYOffset(Typed(title.get(), kTitleYOffsetId, "-7.5"), &axis));
    EXPECT_EQ(t->GetYOffset(), -7.5);
    EXPECT_TRUE(ApplyTitleAngle(Typed(title.get(), kTitleAngleId, "45"), &axis));
    EXPECT_EQ(t->GetRotateAngle(), 45);
    EXPECT_EQ(t->GetXOffset(), 12.5);

    EXPECT_FALSE(ApplyTitleXOffset(Typed(title.get(), kTitleXOffsetId, "12.5x"), &axis));
    EXPECT_EQ(t->GetXOffset(), 12.5);
    EXPECT_EQ(Text(title->FindSubItemByData(kTitleXOffsetId)), "12.50");
    EXPECT_FALSE(ApplyTitleAngle(Typed(title.get(), kTitleAngleId, "abc"), &axis));
    EXPECT_EQ(t->GetRotateAngle(), 45);
    EXPECT_EQ(Text(title->FindSubItemByData(kTitleAngleId)), "45.00");
    EXPECT_TRUE(Boxes().empty()) << "no message";
}

// The number items of the three groups are one list: those whose stored value stands for a text
// still showing it, and whose refusal shows the stored value again; the option lists are none.
TEST_F(AxisGroups, TheNumberItemsAreOneList) {
    ShapedAxis axis(0);
    axis.SetAxisLength(1234.5);
    for (DWORD_PTR id : {kLengthId, kPosXId, kPosYId}) EXPECT_TRUE(IsAxisNumberItem(attr->FindSubItemByData(id)));
    for (DWORD_PTR id : {kMinId, kMaxId, kMajorSpacingId}) EXPECT_TRUE(IsAxisNumberItem(range->FindSubItemByData(id)));
    for (DWORD_PTR id : {kTitleXOffsetId, kTitleYOffsetId, kTitleAngleId})
        EXPECT_TRUE(IsAxisNumberItem(title->FindSubItemByData(id)));
    EXPECT_FALSE(IsAxisNumberItem(attr->FindSubItemByData(kScaleTypeId)));
    for (DWORD_PTR id : {kDescendId, kAutoRangeId, kMinorDivisionId, kUnitId})
        EXPECT_FALSE(IsAxisNumberItem(range->FindSubItemByData(id)));
    EXPECT_FALSE(IsAxisNumberItem(title->FindSubItemByData(kTitlePosId)));
    SetAxisAttrProp(&axis, attr.get());
    double stored = 0;
    EXPECT_TRUE(StandsForStored(attr->FindSubItemByData(kLengthId), &axis, &stored));
    EXPECT_EQ(stored, 1234.5) << "the length the item shows as 12.3 stands for the hundredths stored";
    EXPECT_FALSE(StandsForStored(attr->FindSubItemByData(kScaleTypeId), &axis, &stored));
}

// A position or title offset that is no number, typed or reported from code, writes nothing of its
// group: the item refuses it before the page reads the group back.
TEST(AxisPage, ANumberItemsRefusedTextWritesNothingOfItsGroup) {
    OpenChartPage<CPropListAxis> p;
    ShapedAxis axis(0);
    axis.SetAxisLength(850);
    axis.GetTitle()->SetTitleRelativePos(4);
    axis.GetTitle()->SetYOffset(-2);
    p.Show(&axis);
    const std::string shownLength = p.Value(kLengthId);
    const uint64_t stamps = axis.GetTimeStamp() + axis.GetTitle()->GetTimeStamp();
    const int repaints = p.Repaints();
    // The item shows the stored value again, as the page's edits show it.
    const std::pair<DWORD_PTR, const char*> refused[] = {{kPosXId, "0.00"}, {kTitleYOffsetId, "-2.00"}};
    for (const auto& [id, shown] : refused) {
        EXPECT_TRUE(p.Type(id, "abc"));
        EXPECT_EQ(p.Value(id), shown);
        p.Report(id, _variant_t("abc"));
        EXPECT_EQ(p.Value(id), shown);
    }
    QXPOINT pos;
    axis.GetAxisPosition(pos);
    EXPECT_EQ(pos.x, 0);
    EXPECT_EQ(axis.GetLength(), 850);
    EXPECT_EQ(p.Value(kLengthId), shownLength);
    EXPECT_EQ(axis.GetTitle()->GetTitleRelativePos(), 4);
    EXPECT_EQ(axis.GetTitle()->GetYOffset(), -2);
    EXPECT_EQ(axis.GetTimeStamp() + axis.GetTitle()->GetTimeStamp(), stamps);
    EXPECT_EQ(p.Repaints(), repaints);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(AxisGroups, LineFillGroupShowsTheFill) {
    std::unique_ptr<CBCGPProp> group(CreateLineFillProp("填充"));
    ASSERT_EQ(group->GetSubItemsCount(), 9);
    for (DWORD_PTR id = kLineFillShowId; id <= kLineFillTransparentId; ++id)
        EXPECT_NE(group->FindSubItemByData(id), nullptr) << id;
    CkelLinePlotFill fill;
    fill.SetShowFill(false);
    fill.SetFillDirections(CkelLinePlotFill::KEL_FILL_LEFT);
    fill.SetCutoffValue(12.5);
    QXLOGBRUSH brush;
    brush.backMode = 100;
    brush.size = 250;
    fill.SetLogBrush(&brush);
    SetLineFillProp(group.get(), &fill);
    EXPECT_EQ(Text(group->FindSubItemByData(kLineFillShowId)), "否");
    EXPECT_FALSE(group->FindSubItemByData(kLineFillTargetId)->IsEnabled());
    EXPECT_EQ(Text(group->FindSubItemByData(kLineFillTargetId)), "左");
    EXPECT_EQ(Text(group->FindSubItemByData(kLineFillTargetValueId)), "12.50");
    EXPECT_EQ(Text(group->FindSubItemByData(kLineFillTransparentId)), "是");
    fill.SetShowFill(true);
    SetLineFillProp(group.get(), &fill);
    EXPECT_TRUE(group->FindSubItemByData(kLineFillCellSizeId)->IsEnabled());
}

}  // namespace
