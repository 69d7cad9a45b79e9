// The "横向比例" and "纵向比例" items of the "图设置" page on every section kind: the wells move by
// the ratio of the scale they stand at to the new one, so a scale is taken only when that ratio and
// its inverse are finite numbers above 0 and every moved position stays finite. Anything else is
// refused whole: the record, the scaler and the wells keep what they held, no library call, stamp,
// redraw or modify flag follows, and the item shows its text from before.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "hosttypes/Oriel/ScScaler.h"
#include "section/GraphPageFixture.h"
#include "section/LstSingle.h"
#include "section/SingleWellTestFixture.h"

namespace {

using KelFence::CFence;
using KelReservoir::Connection::CkelReservoir;
using sectiontest::CallTrace;
using sectiontest::GraphPage;
using G = CGraphSetor;
using Texts = std::vector<std::string>;

// The same number, a NaN kept as NaN.
bool Same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// Three wells at (100, 40), (300, -60) and (-250, 10); the scaler stands at the record's scales,
// 1:1000 and 1:500 (a reservoir moves its wells by its scaler's X scale).
template <class Container>
struct ScaledPage : GraphPage<Container> {
    ScaledPage() {
        const FLOATPOINT places[] = {{100, 40}, {300, -60}, {-250, 10}};
        for (int i = 0; i < 3; ++i) this->section.Well(i).SetPosition(places[i], false);
        this->section.Section().GetScaler()->SetXScale(this->Record().m_dXScale);
        this->section.Section().GetScaler()->SetYScale(this->Record().m_dYScale);
    }
    std::vector<FLOATPOINT> Places() {
        std::vector<FLOATPOINT> places;
        for (int i = 0; i < this->section.WellCount(); ++i) places.push_back(this->section.Well(i).GetPosition());
        return places;
    }
    // The scale put into the item (typed, or reported from code) is refused whole.
    void ExpectRefused(DWORD_PTR id, const char* text, bool typed, const std::string& kind) {
        const double x = this->Record().m_dXScale, y = this->Record().m_dYScale;
        const double oldX = this->open.list().GetOldXScale(), oldY = this->open.list().GetOldYScale();
        const double scalerX = this->section.Section().GetScaler()->GetXScale();
        const std::vector<FLOATPOINT> places = Places();
        const std::string shown = this->open.Value(id);
        CallTrace trace(this->section.Section());
        if (typed)
            this->open.Type(id, text);
        else
            this->open.Report(id, text);
        const std::string what = kind + " " + text + (typed ? " typed" : " reported");
        EXPECT_EQ(Texts{}, trace.Entries()) << what;
        EXPECT_EQ(shown, this->open.Value(id)) << what;
        EXPECT_TRUE(Same(x, this->Record().m_dXScale)) << what;
        EXPECT_TRUE(Same(y, this->Record().m_dYScale)) << what;
        EXPECT_TRUE(Same(oldX, this->open.list().GetOldXScale())) << what;
        EXPECT_TRUE(Same(oldY, this->open.list().GetOldYScale())) << what;
        EXPECT_TRUE(Same(scalerX, this->section.Section().GetScaler()->GetXScale())) << what;
        EXPECT_TRUE(places == Places()) << what;
    }
};

// "9e-307" is a scale by the item's rule (above 0, not the float maximum), but 1000 / 9e-307 is
// 1.1e309 and 500 / 9e-307 is 5.6e308: neither fits a double. Over a scale of 1e-10, "1.7e308" would
// be a ratio of 1.7e318 back; "3e38", which the rule takes and which is taken over 1:1000, is refused
// over 1e-300, whose ratio to it is too small to tell from 0 (3.3e-339).
template <class Container>
void ExtremeScalesAreRefused(const std::string& kind) {
    ScaledPage<Container> page;
    for (bool typed : {true, false}) {
        page.ExpectRefused(G::kXScaleId, "9e-307", typed, kind);
        page.ExpectRefused(G::kYScaleId, "1:9e-307", typed, kind);
    }
    EXPECT_EQ("1:1000", page.open.Value(G::kXScaleId));
    EXPECT_EQ("1:500", page.open.Value(G::kYScaleId));

    page.Record().m_dXScale = page.Record().m_dYScale = 1e-10;
    page.section.Section().GetScaler()->SetXScale(1e-10);
    page.Refresh();
    for (bool typed : {true, false}) {
        page.ExpectRefused(G::kXScaleId, "1.7e308", typed, kind);
        page.ExpectRefused(G::kYScaleId, "1:1.7e308", typed, kind);
    }
    EXPECT_EQ(1e-10, page.Record().m_dXScale);

    page.Record().m_dXScale = page.Record().m_dYScale = 1e-300;
    page.section.Section().GetScaler()->SetXScale(1e-300);
    page.Refresh();
    page.ExpectRefused(G::kXScaleId, "3e38", true, kind);
    page.ExpectRefused(G::kYScaleId, "3e38", true, kind);

    ScaledPage<Container> fresh;
    ASSERT_TRUE(fresh.open.Type(G::kXScaleId, "3e38"));
    EXPECT_EQ(3e38, fresh.Record().m_dXScale) << kind;
}

TEST(SectionScaleRatio, ATinyScaleOverOneToAThousandOrAHugeOneOverATinyOneIsRefusedOnEveryKind) {
    ExtremeScalesAreRefused<CrCorrelation>("correlation");
    ExtremeScalesAreRefused<CnConnection>("connection");
    ExtremeScalesAreRefused<CkelReservoir>("reservoir");
    ExtremeScalesAreRefused<CFence>("fence");
}

// "1e-300" over 1:1000 is a ratio of 1e303: the wells at (100, 40), (300, -60) and (-250, 10)
// stay finite; a well at 1e6 would go to 1e309, so there the scale is refused.
TEST(SectionScaleRatio, ATinyScaleIsTakenOnlyWhereEveryMovedPlaceStaysFinite) {
    {
        ScaledPage<CFence> page;
        CallTrace trace(page.section.Section());
        ASSERT_TRUE(page.open.Type(G::kXScaleId, "1e-300"));
        EXPECT_EQ(1e-300, page.Record().m_dXScale);
        EXPECT_EQ(1000, page.open.list().GetOldXScale());
        const std::vector<FLOATPOINT> places = page.Places();
        EXPECT_DOUBLE_EQ(1e305, places[0].x);
        EXPECT_DOUBLE_EQ(4e304, places[0].y);
        EXPECT_DOUBLE_EQ(-2.5e305, places[2].x);
        EXPECT_TRUE(trace.Has("IkelWellAdapter::SetPosition[W1](1e+305,4e+304,true)"));
    }
    {
        // On a fence the X ratio moves both coordinates: a well 1e6 north cannot follow.
        ScaledPage<CFence> page;
        page.section.Well(1).SetPosition(FLOATPOINT(300, 1e6), false);
        page.ExpectRefused(G::kXScaleId, "1e-300", true, "fence");
    }
    {
        // On a correlation the X ratio goes to the library along X only: a well 1e6 down keeps the
        // scale; one 1e6 across refuses it, and the Y scale then moves along Y only.
        ScaledPage<CrCorrelation> page;
        page.section.Well(1).SetPosition(FLOATPOINT(300, 1e6), false);
        CallTrace trace(page.section.Section());
        ASSERT_TRUE(page.open.Type(G::kXScaleId, "1e-300"));
        EXPECT_EQ(1e-300, page.Record().m_dXScale);
        EXPECT_TRUE(trace.Has("ScContainer::OnScaleChanged(1e+303,1)"));
        page.ExpectRefused(G::kYScaleId, "1e-300", true, "correlation");

        ScaledPage<CrCorrelation> across;
        across.section.Well(2).SetPosition(FLOATPOINT(-1e6, 10), false);
        across.ExpectRefused(G::kXScaleId, "1e-300", true, "correlation");
        ASSERT_TRUE(across.open.Type(G::kYScaleId, "1e-300"));
        EXPECT_EQ(1e-300, across.Record().m_dYScale);
    }
    {
        // A reservoir's X ratio is its scaler's scale over the new one.
        ScaledPage<CkelReservoir> page;
        page.section.Well(0).SetPosition(FLOATPOINT(1e6, 0), false);
        page.ExpectRefused(G::kXScaleId, "1e-300", true, "reservoir");
        page.section.Section().GetScaler()->SetXScale(1);
        ASSERT_TRUE(page.open.Type(G::kXScaleId, "1e-300"));
        EXPECT_EQ(1e-300, page.Record().m_dXScale);
    }
}

// "1:500" over 1:1000 is taken as it always was: the ratio 2 reaches the library and the fence's
// wells, the old scale is kept, the section stamped, redrawn and marked modified.
TEST(SectionScaleRatio, OneToFiveHundredIsTaken) {
    {
        ScaledPage<CnConnection> page;
        CallTrace trace(page.section.Section());
        ASSERT_TRUE(page.open.Type(G::kXScaleId, "1:500"));
        EXPECT_EQ(500, page.Record().m_dXScale);
        EXPECT_EQ(1000, page.open.list().GetOldXScale());
        EXPECT_EQ(
            "IkelWellAdapter::SaveOldWellPosInfo[W1]() | IkelWellAdapter::SaveOldWellPosInfo[W2]() | "
            "IkelWellAdapter::SaveOldWellPosInfo[W3]() | IkelWellAdapter::SaveOldWellJointInfo[W1]() | "
            "IkelWellAdapter::SaveOldWellJointInfo[W2]() | IkelWellAdapter::SaveOldWellJointInfo[W3]() | modify | "
            "ScScaler::SetXScale(500) | ScContainer::OnScaleChanged(2,1) | stamp | ScContainer::UpdateWnd() | modify",
            trace.Text());
    }
    {
        ScaledPage<CFence> page;
        ASSERT_TRUE(page.open.Type(G::kXScaleId, "1:500"));
        EXPECT_EQ(500, page.Record().m_dXScale);
        const std::vector<FLOATPOINT> places = page.Places();
        EXPECT_EQ(200, places[0].x);
        EXPECT_EQ(80, places[0].y);
        EXPECT_EQ(-120, places[1].y);
    }
    {
        ScaledPage<CkelReservoir> page;
        CallTrace trace(page.section.Section());
        ASSERT_TRUE(page.open.Type(G::kYScaleId, "1:250"));
        EXPECT_EQ(250, page.Record().m_dYScale);
        EXPECT_TRUE(trace.Has("ScContainer::PrepareScale(1,2)"));
    }
}

// A record whose scale is no usable number (0, NaN from a damaged file) moves no well by it: no
// scale is taken over it, and the item still shows what it showed.
TEST(SectionScaleRatio, NoScaleIsTakenOverAStoredScaleThatIsNoRatio) {
    ScaledPage<CnConnection> page;
    page.Record().m_dXScale = 0;
    page.Record().m_dYScale = std::nan("");
    page.Refresh();
    page.ExpectRefused(G::kXScaleId, "1:500", true, "connection");
    page.ExpectRefused(G::kYScaleId, "1:500", true, "connection");
}

// The single-well page hands the scale to the section, which moves what it draws by the ratio to
// the one it holds: its rule keeps scales between FLT_EPSILON and FLT_MAX ("9e-307" and "1.7e308"
// are none), and over a stored scale that is no ratio (0, NaN) no scale is taken.
TEST(SectionScaleRatio, SingleWellScales) {
    sectiontest::SingleWorld world;
    sectiontest::SinglePage<CLstSingle> page(&world.Section());
    sectiontest::SingleTrace trace(world.Section());
    world.Section().ProChanged();
    page.Show(world.Object());
    trace.Clear();
    for (const char* text : {"9e-307", "1.7e308", "1:1e-300"}) {
        page.open.Type(CLstSingle::kXScaleId, text);
        EXPECT_EQ("1:1000", page.open.Value(CLstSingle::kXScaleId)) << text;
    }
    world.Record().m_dXScale = 0;
    world.Record().m_dYScale = std::nan("");
    world.Section().ProChanged();
    page.Show(world.Object());
    trace.Clear();
    const std::string shownX = page.open.Value(CLstSingle::kXScaleId);
    const std::string shownY = page.open.Value(CLstSingle::kYScaleId);
    page.open.Type(CLstSingle::kXScaleId, "1:500");
    page.open.Type(CLstSingle::kYScaleId, "1:500");
    EXPECT_EQ(shownX, page.open.Value(CLstSingle::kXScaleId));
    EXPECT_EQ(shownY, page.open.Value(CLstSingle::kYScaleId));
    EXPECT_EQ(0, world.Record().m_dXScale);
    EXPECT_TRUE(std::isnan(world.Record().m_dYScale));
    EXPECT_EQ("", trace.Text());

    world.Record().m_dXScale = 1000;
    ASSERT_TRUE(page.open.Type(CLstSingle::kXScaleId, "1:500"));
    EXPECT_EQ(500, world.Record().m_dXScale);
    EXPECT_TRUE(trace.Has("CSingleWellSection::SetXScale(500.000000)"));
}

}  // namespace
