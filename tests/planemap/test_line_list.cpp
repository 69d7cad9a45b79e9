// The line list: position of a straight line, same-type pen, arrow and closed edits, refused
// azimuths; the arrow styles of the line-like lists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CodeReport.h"
#include "PlaneListFixture.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/PropListLine.h"
#include "planemap/PropListWellNetLine.h"

namespace {

// Lines of the sample map's first layer.
struct LineLayer {
    parsnip::MapFixture map;
    CQXLayer& layer = *map.Layer();
    CQXObjectPolyline* Add(const std::vector<FLOATPOINT>& points, const char* typeName = "线") {
        return map.AddPolyline(typeName, points);
    }
};

}  // namespace

TEST(LineList, StraightLineShowsItsEndsAndALengthEditMovesTheEnd) {
    LineLayer fx;
    CQXObjectPolyline* line = fx.Add({{0, 0}, {3, 4}});
    fx.layer.SetSelectedObject(line);
    planetest::OpenList<CPropListLine> open(line);
    EXPECT_EQ("0.00", open.Value(CPropListLine::kStartXId));
    EXPECT_EQ("4.00", open.Value(CPropListLine::kEndYId));
    EXPECT_EQ("5.00", open.Value(CPropListLine::kLengthId));
    EXPECT_TRUE(open.Enabled(CPropListLine::kLengthId));

    ASSERT_TRUE(open.Type(CPropListLine::kLengthId, "10"));
    FLOATPOINT end;
    line->GetPoint(1, end);
    EXPECT_NEAR(6.0, end.x, 1e-9);
    EXPECT_NEAR(8.0, end.y, 1e-9);

    ASSERT_TRUE(open.Type(CPropListLine::kStartXId, "1"));  // start X of the shown line only
    FLOATPOINT start;
    line->GetPoint(0, start);
    EXPECT_EQ(1.0, start.x);
    EXPECT_EQ(0.0, start.y);
    EXPECT_GT(open.Redraws(), 0);

    // Ends so far apart that no double holds the length are refused: the length never shows "inf".
    ASSERT_TRUE(open.Type(CPropListLine::kEndXId, "1.7e308"));
    open.Show(line);
    const int redraws = open.Redraws();
    open.Type(CPropListLine::kEndYId, "1.7e308");
    line->GetPoint(1, end);
    EXPECT_NEAR(8.0, end.y, 1e-9);
    EXPECT_EQ(redraws, open.Redraws());
    EXPECT_EQ("8.00", open.Value(CPropListLine::kEndYId));
    EXPECT_EQ(std::string::npos, open.grid().Dump().find("inf"));
}

TEST(LineList, PositionNeedsOneSelectedLineOfExactlyTwoPoints) {
    LineLayer fx;
    CQXObjectPolyline* straight = fx.Add({{0, 0}, {3, 4}});
    CQXObjectPolyline* bent = fx.Add({{0, 0}, {1, 1}, {2, 0}});
    CQXObjectPolyline* dot = fx.Add({{5, 5}});
    planetest::OpenList<CPropListLine> open;
    fx.layer.SetSelectedObject(straight);
    open.Show(straight);
    EXPECT_EQ("3.00", open.Value(CPropListLine::kEndXId));

    fx.layer.RemoveAllSelectedObject();
    fx.layer.SetSelectedObject(bent);
    open.Show(bent);
    EXPECT_FALSE(open.Enabled(CPropListLine::kEndXId));
    EXPECT_EQ("3.00", open.Value(CPropListLine::kEndXId));  // old texts kept

    fx.layer.RemoveAllSelectedObject();
    fx.layer.SetSelectedObject(dot);
    open.Show(dot);  // a one-point line: point 1 is never read
    EXPECT_FALSE(open.Enabled(CPropListLine::kStartXId));

    fx.layer.RemoveAllSelectedObject();
    fx.layer.SetSelectedObject(straight);
    fx.layer.SetSelectedObject(fx.Add({{1, 1}, {2, 2}}));
    open.Show(straight);
    EXPECT_FALSE(open.Enabled(CPropListLine::kLengthId));
}

TEST(LineList, PenAndClosedEditsReachEverySelectedLineOfTheType) {
    LineLayer fx;
    CQXObjectPolyline* a = fx.Add({{0, 0}, {1, 0}});
    CQXObjectPolyline* b = fx.Add({{0, 1}, {1, 1}});
    CQXObjectPolyline* other = fx.Add({{0, 2}, {1, 2}}, "断层");
    for (auto* o : {a, b, other}) fx.layer.SetSelectedObject(o);
    planetest::OpenList<CPropListLine> open(a);

    ASSERT_TRUE(open.Pick(CPropListLine::kClosedId, "是"));
    EXPECT_EQ(1, a->IsClosed());
    EXPECT_EQ(1, b->IsClosed());
    EXPECT_EQ(0, other->IsClosed());

    ASSERT_TRUE(open.Type(CPropListLine::kPenWidthId, "1.5"));
    QXLOGPEN pen;
    b->GetLogPen(&pen);
    EXPECT_FLOAT_EQ(150.0f, pen.width);
    open.Type(CPropListLine::kPenWidthId, "1e39");  // beyond the pen record's range: refused
    b->GetLogPen(&pen);
    EXPECT_FLOAT_EQ(150.0f, pen.width);
    other->GetLogPen(&pen);
    EXPECT_FLOAT_EQ(0.0f, pen.width);
}

TEST(LineList, AzimuthOutsideZeroTo360IsRefusedAndShownAgain) {
    LineLayer fx;
    CQXObjectPolyline* line = fx.Add({{0, 0}, {0, 5}});
    fx.layer.SetSelectedObject(line);
    planetest::OpenList<CPropListLine> open(line);
    EXPECT_EQ("0.00", open.Value(CPropListLine::kAzimuthId));
    ASSERT_TRUE(open.Type(CPropListLine::kAzimuthId, "90"));
    FLOATPOINT end;
    line->GetPoint(1, end);
    EXPECT_NEAR(5.0, end.x, 1e-9);
    EXPECT_NEAR(0.0, end.y, 1e-9);
    parsnip::testing::ClearCallLog();
    open.Type(CPropListLine::kAzimuthId, "400");
    EXPECT_EQ("90.00", open.Value(CPropListLine::kAzimuthId));
    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectPolyline::SetAngle"));
    open.Type(CPropListLine::kAzimuthId, "-5");  // the item itself takes no negative number
    EXPECT_EQ("90.00", open.Value(CPropListLine::kAzimuthId));
    EXPECT_DOUBLE_EQ(90.0, line->GetAngle());

    // A line too long for the map library to turn (its squared length is past a double), made so
    // by a typed or a reported length: the azimuth is refused and the end point stays finite.
    for (const bool typed : {true, false}) {
        if (typed)
            ASSERT_TRUE(open.Type(CPropListLine::kLengthId, "7e229"));
        else
            open.Report(CPropListLine::kLengthId, "7e229");
        FLOATPOINT far;
        line->GetPoint(1, far);
        ASSERT_NEAR(7e229, far.x, 1e215);
        parsnip::testing::ClearCallLog();
        const int redraws = open.Redraws();
        open.Type(CPropListLine::kAzimuthId, "41.83");
        line->GetPoint(1, end);
        EXPECT_EQ(far.x, end.x) << typed;
        EXPECT_EQ(far.y, end.y) << typed;
        EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObjectPolyline::SetAngle")) << typed;
        EXPECT_EQ(redraws, open.Redraws()) << typed;
        EXPECT_EQ("90.00", open.Value(CPropListLine::kAzimuthId)) << typed;
        EXPECT_EQ(std::string::npos, open.grid().Dump().find("inf")) << typed;
        ASSERT_TRUE(open.Type(CPropListLine::kLengthId, "5"));
    }

    // A line whose two points coincide has no direction to turn: "7", typed or reported, is
    // refused, and the item shows the stored azimuth as before.
    CQXObjectPolyline* dot = fx.Add({{2, 3}, {2, 3}});
    fx.map.ClearSelection();
    planetest::OpenList<CPropListLine> point(fx.map, {dot});
    planetest::ExpectCodeReportRefused(point, CPropListLine::kAzimuthId, "7", "0.00");
    planetest::ExpectTypedRefused(point, CPropListLine::kAzimuthId, "7", "0.00");
    EXPECT_EQ(0.0, dot->GetAngle());
}

TEST(LineList, OneEditCallsTheSetterOncePerSelectedLineAndRedrawsOnce) {
    LineLayer fx;
    for (int i = 0; i < 100; ++i) fx.layer.SetSelectedObject(fx.Add({{0, double(i)}, {1, double(i)}}));
    planetest::OpenList<CPropListLine> open(fx.layer.GetObjectG(0));
    parsnip::testing::ClearCallLog();
    const int before = open.Redraws();
    ASSERT_TRUE(open.Type(CPropListLine::kPenColorId - 1, "0.5"));
    EXPECT_EQ(100, parsnip::testing::CountCalls("CQXObjectLine::SetLogPen"));
    EXPECT_EQ(before + 1, open.Redraws());
}

// A length, position or width the item refuses is refused alike whether typed or reported from
// code (each text judged by the item's own rule): nothing is written, nobody told, nothing
// redrawn, and only that item changes, back to its text from before; a negative length never
// turns the line through its start.
TEST(LineList, ANumberTheItemRefusesTypedOrReportedChangesOnlyThatItem) {
    LineLayer fx;
    CQXObjectPolyline* line = fx.Add({{0, 0}, {3, 4}});
    fx.layer.SetSelectedObject(line);
    planetest::OpenList<CPropListLine> open(line);
    ASSERT_TRUE(open.Type(CPropListLine::kPenWidthId, "0.5"));
    ASSERT_TRUE(open.Type(CPropListLine::kStartXId, "1"));  // the end stays at (3, 4)
    const struct {
        DWORD_PTR id;
        const char* text;
        const char* shown;
    } cases[] = {
        {CPropListLine::kLengthId, "-687.876", "4.47"},
        {CPropListLine::kLengthId, "1e400", "4.47"},
        {CPropListLine::kEndXId, "1e400", "3.00"},
        {CPropListLine::kPenWidthId, "-1", "0.5"},  // as typed
    };
    for (const auto& c : cases) {
        planetest::ExpectTypedRefused(open, c.id, c.text, c.shown);
        planetest::ExpectCodeReportRefused(open, c.id, c.text, c.shown);
    }
    FLOATPOINT end;
    line->GetPoint(1, end);
    EXPECT_EQ(3.0, end.x);
    EXPECT_EQ(4.0, end.y);
}

namespace {

// An arrow style item takes any text: the two arrow names as such, every other text as no arrow.
// It is written to every selected line of the shown line's type name, and the item shows the
// option the text was taken as.
template <class List>
void ExpectArrowStylesTakeEveryText(const char* typeName) {
    LineLayer fx;
    CQXObjectPolyline* a = fx.Add({{0, 0}, {1, 0}}, typeName);
    CQXObjectPolyline* b = fx.Add({{0, 1}, {1, 1}}, typeName);
    CQXObjectPolyline* other = fx.Add({{0, 2}, {1, 2}}, "其它");
    for (CQXObjectPolyline* line : {a, b, other}) {
        line->GetBegArrow()->SetArrowType(1);
        line->GetEndArrow()->SetArrowType(1);
        fx.layer.SetSelectedObject(line);
    }
    planetest::OpenList<List> open(a);
    struct Case {
        const char* typed;
        int type;
        const char* shown;
    };
    const Case cases[] = {
        {"1e400", 0, "空"}, {"直角样式", 2, "直角样式"}, {"abc", 0, "空"}, {"简单样式", 1, "简单样式"}};
    for (const DWORD_PTR id : {List::kBeginArrowId, List::kEndArrowId}) {
        const auto arrow = [id](CQXObjectPolyline* line) {
            return id == List::kBeginArrowId ? line->GetBegArrow() : line->GetEndArrow();
        };
        for (const Case& c : cases) {
            const int redraws = open.Redraws();
            ASSERT_TRUE(open.Type(id, c.typed)) << typeName << " " << c.typed;
            EXPECT_EQ(c.shown, open.Value(id)) << typeName << " " << c.typed;
            EXPECT_EQ(c.type, arrow(a)->GetArrowType()) << typeName << " " << c.typed;
            EXPECT_EQ(c.type, arrow(b)->GetArrowType()) << typeName << " " << c.typed;
            EXPECT_EQ(1, arrow(other)->GetArrowType()) << typeName << " " << c.typed;
            EXPECT_EQ(redraws + 1, open.Redraws()) << typeName << " " << c.typed;
        }
    }
}

}  // namespace

TEST(LineLikeLists, ArrowStylesTakeEveryTextAndShowTheOptionTaken) {
    ExpectArrowStylesTakeEveryText<CPropListLine>("道路");
    ExpectArrowStylesTakeEveryText<CPropListWellNetLine>("连通井网线");
}
