// The fault-point page: the apply scope of drawing edits, fault data on the point alone, the
// label fields built from the field count, and the enabling that follows the label switch.
#include <gtest/gtest.h>

#include "hostlibs/Oriel/SectionFixture.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "section/LstFaultPoint.h"
#include "section/SectionTestFixture.h"

namespace {

using F = CLstFaultPoint;

// Two wells of a correlation section with two fault points each; the page shows the first.
class FaultPointPage : public ::testing::Test {
protected:
    FaultPointPage() {
        points.SetWellMgr(section.Section().GetWellMgr());
        for (int w = 0; w < 2; ++w) {
            CrWellFaultPoint* well = points.CreateFaultPoint();
            well->SetWell(&section.Well(w));
            for (int i = 0; i < 2; ++i) well->AddFaultPoint()->SetTimeStamp(1);
        }
        open = std::make_unique<sectiontest::OpenList<CLstFaultPoint>>(new CLstFaultPoint(&Point(0, 0)));
        Refresh();
    }
    CrFaultPoint& Point(unsigned int well, unsigned int i) { return *points.GetWellFaultPoint(well)->GetFaultPoint(i); }
    void Refresh() { open->Show(&Point(0, 0)); }
    void Touch() {
        Point(0, 0).SetTimeStamp(Point(0, 0).GetTimeStamp() + 1);
        Refresh();
    }
    std::string Caption(DWORD_PTR id) { return platform::GridDriver::Info(open->Item(id)).name; }
    // One point's symbol size and another's label size (hundredths).
    static void SetSizes(CrFaultPoint& symbolOf, float symbolSize, CrFaultPoint& labelOf, float labelSize) {
        QXLOGPOINT symbol = symbolOf.GetLogPoint();
        symbol.size = symbolSize;
        symbolOf.SetLogPoint(symbol);
        QXLOGFONT font = labelOf.GetLabelFont();
        font.size = labelSize;
        labelOf.SetLabelFont(font);
    }

    oriel::SectionFixture<CrCorrelation> section;
    CrWellFaultPointMgr points;
    std::unique_ptr<sectiontest::OpenList<CLstFaultPoint>> open;
};

TEST_F(FaultPointPage, SymbolEditsFollowTheApplyScope) {
    ASSERT_TRUE(open->Type(F::kSymbolSizeId, "2"));
    EXPECT_FLOAT_EQ(200, Point(0, 0).GetLogPoint().size);
    EXPECT_FLOAT_EQ(0, Point(0, 1).GetLogPoint().size);

    ASSERT_TRUE(open->Pick(F::kApplyId, "当前井上所有断点"));
    EXPECT_EQ(1, Point(0, 0).GetApplyType());
    EXPECT_EQ(0, Point(0, 1).GetApplyType());
    ASSERT_TRUE(open->Type(F::kSymbolSizeId, "3"));
    for (unsigned int i = 0; i < 2; ++i) EXPECT_FLOAT_EQ(300, Point(0, i).GetLogPoint().size) << i;
    EXPECT_FLOAT_EQ(0, Point(1, 0).GetLogPoint().size);

    ASSERT_TRUE(open->Pick(F::kApplyId, "当前剖面上所有断点"));
    ASSERT_TRUE(open->Type(F::kSymbolSizeId, "4"));
    ASSERT_TRUE(open->Pick(F::kLabelPlaceId, "下边"));
    for (unsigned int w = 0; w < 2; ++w)
        for (unsigned int i = 0; i < 2; ++i) {
            EXPECT_EQ(3, Point(w, i).GetPosStyle());
            EXPECT_FLOAT_EQ(400, Point(w, i).GetLogPoint().size);
        }
    EXPECT_GE(section.Section().GetUpdateCount(), 5);

    // A colour picked writes only the colour: a symbol size shown "2.50" for 249.96 and a label
    // size shown "12.35" for 1234.5 stay as stored.
    SetSizes(Point(0, 0), 249.96f, Point(0, 0), 1234.5f);
    Touch();
    ASSERT_EQ("2.50", open->Value(F::kSymbolSizeId));
    ASSERT_TRUE(open->ChooseColor(F::kSymbolBorderId, RGB(9, 0, 0)));
    EXPECT_EQ(RGB(9, 0, 0), Point(0, 0).GetLogPoint().borderColor);
    EXPECT_EQ(249.96f, Point(0, 0).GetLogPoint().size);
    ASSERT_TRUE(open->ChooseColor(F::kFontColorId, RGB(0, 9, 0)));
    EXPECT_EQ(RGB(0, 9, 0), Point(0, 0).GetLabelFont().color);
    EXPECT_EQ(1234.5f, Point(0, 0).GetLabelFont().size);
}

// A symbol or label size the record cannot hold in hundredths is refused: the points in scope
// keep their own sizes (the shown point's record is not copied to them) and the item shows the
// stored size again.
TEST_F(FaultPointPage, ARefusedSizeWritesNothingInScope) {
    ASSERT_TRUE(open->Pick(F::kApplyId, "当前剖面上所有断点"));
    SetSizes(Point(1, 1), 700, Point(1, 0), 900);
    Refresh();
    const float shownFont = Point(0, 0).GetLabelFont().size;
    for (const char* text : {"1e39", "3.5e38", "9e296"}) {
        ASSERT_TRUE(open->Type(F::kSymbolSizeId, text));
        ASSERT_TRUE(open->Type(F::kFontSizeId, text));
        EXPECT_FLOAT_EQ(700, Point(1, 1).GetLogPoint().size) << text;
        EXPECT_FLOAT_EQ(900, Point(1, 0).GetLabelFont().size) << text;
        EXPECT_EQ(FormatString("%.2f", Point(0, 0).GetLogPoint().size / 100.0).str(), open->Value(F::kSymbolSizeId));
        EXPECT_EQ(FormatString("%.2f", shownFont / 100.0).str(), open->Value(F::kFontSizeId));
    }
}

TEST_F(FaultPointPage, FaultDataChangesTheSelectedPointOnly) {
    Point(0, 0).SetApplyType(2);
    ASSERT_TRUE(open->Type(F::kFaultStratumId, "F12"));
    EXPECT_EQ("F12", std::string(Point(0, 0).GetFaultStraum()));
    EXPECT_EQ("", std::string(Point(0, 1).GetFaultStraum()));
    ASSERT_TRUE(open->Type(F::kFaultNumberId, "4"));
    EXPECT_EQ(4, Point(0, 0).GetFaultNumber());
    EXPECT_EQ(0, Point(1, 0).GetFaultNumber());
}

TEST_F(FaultPointPage, FieldCountBuildsOneItemPerFieldUpToTheSevenKinds) {
    Point(0, 0).SetLabel(1, "断距");
    ASSERT_TRUE(open->Type(F::kFieldCountId, "2"));
    EXPECT_EQ(2u, Point(0, 0).GetLabelNumber());
    Refresh();
    EXPECT_EQ("字段1", Caption(F::kFirstFieldId));
    EXPECT_EQ("字段2", Caption(F::kFirstFieldId + 1));
    EXPECT_EQ("断距", open->Value(F::kFirstFieldId + 1));
    EXPECT_EQ(nullptr, open->list().GetPropList().FindItemByData(F::kFirstFieldId + 2, TRUE));

    ASSERT_TRUE(open->Type(F::kFieldCountId, "50"));
    EXPECT_EQ(7u, Point(0, 0).GetLabelNumber());
    Refresh();
    for (DWORD_PTR id = F::kFirstFieldId; id <= F::kFirstFieldId + 6; ++id) EXPECT_NE(nullptr, open->Item(id));
    EXPECT_EQ(nullptr, open->list().GetPropList().FindItemByData(F::kFirstFieldId + 7, TRUE));

    ASSERT_TRUE(open->Pick(F::kFirstFieldId + 6, "对比井号"));
    EXPECT_EQ("对比井号", Point(0, 0).GetLabel(6));
}

// An accepted count is taken whole also when it leaves the count as it was: another text of the same
// count, or kept to the seven field kinds; the point is stamped for the fields and the section redrawn.
TEST_F(FaultPointPage, ACountEqualToTheStoredOneStillStampsAndRedraws) {
    ASSERT_TRUE(open->Pick(F::kApplyId, "当前井上所有断点"));
    const struct {
        unsigned int stored;
        const char* text;
    } kCases[] = {{3, "3.0"}, {7, "07"}, {7, "50"}, {7, "1e38"}};
    for (const auto& c : kCases) {
        for (unsigned int i = 0; i < 2; ++i) Point(0, i).SetLabelNumber(static_cast<int>(c.stored));
        Point(0, 0).ProChanged();
        Refresh();
        const uint64_t stamp = Point(0, 0).GetTimeStamp();
        const int updates = section.Section().GetUpdateCount();
        ASSERT_TRUE(open->Type(F::kFieldCountId, c.text));
        EXPECT_NE(stamp, Point(0, 0).GetTimeStamp()) << c.text;
        EXPECT_EQ(updates + 1, section.Section().GetUpdateCount()) << c.text;
        for (unsigned int i = 0; i < 2; ++i) EXPECT_EQ(c.stored, Point(0, i).GetLabelNumber()) << c.text;
        Refresh();
        EXPECT_EQ(std::to_string(c.stored), open->Value(F::kFieldCountId)) << c.text;
    }
}

// A change reported from code with a text no reader takes writes nothing and redraws nothing; only
// that item shows the stored value again, as it does for a text refused as it is typed.
TEST_F(FaultPointPage, ARefusedTextShowsTheStoredValue) {
    Point(0, 0).SetLabelNumber(3);
    Point(0, 0).SetFaultDepth(1250.5);
    Touch();
    open->Item(F::kXOffsetId)->SetValue(_variant_t("typed"));
    const struct {
        DWORD_PTR id;
        const char* shown;
    } kCases[] = {{F::kFieldCountId, "3"}, {F::kFaultDepthId, "1250.50"}, {F::kSymbolSizeId, "0.00"}};
    for (const auto& c : kCases) {
        const uint64_t stamp = Point(0, 0).GetTimeStamp();
        const int updates = section.Section().GetUpdateCount();
        open->Report(c.id, "x");
        EXPECT_EQ(c.shown, open->Value(c.id));
        EXPECT_EQ(stamp, Point(0, 0).GetTimeStamp()) << c.shown;
        EXPECT_EQ(updates, section.Section().GetUpdateCount()) << c.shown;
        EXPECT_EQ("typed", open->Value(F::kXOffsetId)) << "another item is left as it shows";
    }
    EXPECT_EQ(3u, Point(0, 0).GetLabelNumber());
    EXPECT_DOUBLE_EQ(1250.5, Point(0, 0).GetFaultDepth());
    Point(0, 0).SetFaultDepth(1300.25);  // changed elsewhere, not refreshed
    open->Type(F::kFaultDepthId, "-1");
    EXPECT_EQ("1300.25", open->Value(F::kFaultDepthId));
    EXPECT_DOUBLE_EQ(1300.25, Point(0, 0).GetFaultDepth());

    // Each report is judged by its own text: after a typed size and two refused reports, a valid
    // one is taken.
    ASSERT_TRUE(open->Type(F::kSymbolSizeId, "3"));
    open->ExpectRefusedReportsShow(F::kSymbolSizeId, "3.00");
    EXPECT_FLOAT_EQ(300, Point(0, 0).GetLogPoint().size);
    open->Report(F::kSymbolSizeId, "7");
    EXPECT_FLOAT_EQ(700, Point(0, 0).GetLogPoint().size);
}

// A number the section library's check or the int field refuses leaves the point as it was and
// shows the stored value again.
TEST_F(FaultPointPage, RefusedNumbersLeaveThePointAsItWas) {
    ASSERT_TRUE(open->Type(F::kFaultNumberId, "4"));
    const struct {
        DWORD_PTR id;
        const char* text;
        const char* shown;
    } kCases[] = {
        {F::kFaultNumberId, "3e9", "4"}, {F::kFaultDepthId, "1e39", "0.00"}, {F::kXOffsetId, "-1e39", "0.00"}};
    for (const auto& c : kCases) {
        open->Type(c.id, c.text);
        EXPECT_EQ(c.shown, open->Value(c.id)) << c.text;
    }
    EXPECT_EQ(4, Point(0, 0).GetFaultNumber());
    EXPECT_EQ(0, Point(0, 0).GetFaultDepth());
    EXPECT_EQ(0, Point(0, 0).GetXOffset());
}

// A text of no option, typed into the display place or reported from code into the lists, stores
// -1 (the label switch: off), which the item shows as the refresh does: an empty text ("否").
TEST_F(FaultPointPage, AnyOtherTextOfAListIsItsOwnValue) {
    ASSERT_TRUE(open->Pick(F::kDisplayStyleId, "井柱右侧"));
    ASSERT_TRUE(open->Pick(F::kLabelPlaceId, "下边"));
    ASSERT_TRUE(open->Pick(F::kApplyId, "当前井上所有断点"));
    ASSERT_TRUE(open->Pick(F::kLabelShownId, "是"));
    ASSERT_TRUE(open->Type(F::kDisplayStyleId, "井柱外"));
    EXPECT_EQ(-1, Point(0, 0).GetDisplayStyle());
    EXPECT_EQ(-1, Point(0, 1).GetDisplayStyle());  // in the apply scope
    EXPECT_EQ("", open->Value(F::kDisplayStyleId));
    open->Report(F::kLabelPlaceId, "中间");
    EXPECT_EQ(-1, Point(0, 0).GetPosStyle());
    EXPECT_EQ("", open->Value(F::kLabelPlaceId));
    open->Report(F::kLabelShownId, "显示");
    EXPECT_FALSE(Point(0, 0).IsShowLabel());
    EXPECT_EQ("否", open->Value(F::kLabelShownId));
    open->Report(F::kApplyId, "全部");
    EXPECT_EQ(-1, Point(0, 0).GetApplyType());
    EXPECT_EQ("", open->Value(F::kApplyId));
}

TEST_F(FaultPointPage, HidingTheLabelDisablesItsItemsButTheSwitch) {
    Point(0, 0).SetLabelNumber(1);
    Touch();
    ASSERT_TRUE(open->Pick(F::kLabelShownId, "否"));
    EXPECT_FALSE(Point(0, 0).IsShowLabel());
    Refresh();
    EXPECT_TRUE(open->Item(F::kLabelShownId)->IsEnabled());
    for (DWORD_PTR id : {F::kFieldCountId, F::kLabelPlaceId, F::kXOffsetId, F::kYOffsetId, F::kFirstFieldId,
                         F::kFontFaceId, F::kFontSizeId, F::kFontColorId})
        EXPECT_FALSE(open->Item(id)->IsEnabled()) << id;
}

TEST_F(FaultPointPage, CompareWellsLeaveOutThePointsOwnWell) {
    EXPECT_EQ((std::vector<std::string>{"W2", "W3"}),
              platform::GridDriver::Info(open->Item(F::kCompareWellId)).options);
}

TEST(FaultPointFields, CountIsKeptToTheFieldKinds) {
    EXPECT_EQ(0, ClampFieldCount(-3));
    EXPECT_EQ(3, ClampFieldCount(3.9));
    EXPECT_EQ(7, ClampFieldCount(50));
    EXPECT_EQ(7, ClampFieldCount(1e300));
}

}  // namespace
