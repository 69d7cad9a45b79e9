// A text reported from code into a plane-map page gets the answer the same text typed gets,
// whatever the item held before: the border grid's lengths read whole, a line's fill cell size read
// by its leading number, and the pie layer's dates judged against each other.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "CodeReport.h"
#include "PieFixture.h"
#include "PlaneListFixture.h"
#include "bcg/DateTimeProp.h"
#include "framework/FillSubItems.h"
#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hosttypes/Moraine/PieLayer.h"
#include "hosttypes/Parsnip/QXObjectBorder.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"
#include "planemap/PropListBorderGrid.h"
#include "planemap/PropListLine.h"
#include "planemap/layers/PropListPieLayerData.h"

namespace {

using planetest::OpenList;

// ---- the border grid's lengths ------------------------------------------------------------------------

using L = CPropListBorderGrid;
using B = CQXObjectBorder;

struct Length {
    DWORD_PTR id;
    double (B::*get)() const;
};
const Length kLengths[] = {
    {L::kGMajorLengthId, &B::GetGScaleLength},  {L::kGMinorLengthId, &B::GetGScaleLength2},
    {L::kGCrossLengthId, &B::GetGCrossLength},  {L::kKMajorLengthId, &B::GetKScaleLength},
    {L::kKMinorLengthId, &B::GetKScaleLength2}, {L::kKCrossLengthId, &B::GetKCrossLength},
};

// A border and its twin of the same type name, both drawing both grids with cross marks, the
// shown one's grid page open.
struct BorderPage {
    parsnip::MapFixture map;
    B* shown = map.Add<B>("边框");
    B* twin = map.Add<B>("边框");
    std::unique_ptr<OpenList<L>> open;
    BorderPage() {
        for (B* b : {shown, twin}) {
            map.Select(b);
            b->SetDrawGraticule(1);
            b->SetDrawKilometerGrid(1);
            b->SetGGridDrawType(B::GRID_CROSS);
            b->SetKGridDrawType(B::GRID_CROSS);
        }
        open = std::make_unique<OpenList<L>>(shown);
    }
};

// What a length held before "3x": each state as the user or the host leaves it.
struct LengthState {
    const char* name;
    std::function<void(OpenList<L>&, DWORD_PTR)> reach;
};
const LengthState kLengthStates[] = {
    {"fresh", [](OpenList<L>&, DWORD_PTR) {}},
    {"after a number reported as a double", [](OpenList<L>& o, DWORD_PTR id) { o.Report(id, _variant_t(2.0)); }},
    {"after a number typed", [](OpenList<L>& o, DWORD_PTR id) { o.Type(id, "1.5"); }},
    {"after a refused typed text", [](OpenList<L>& o, DWORD_PTR id) { o.Type(id, "-1"); }},
    {"after a refused report", [](OpenList<L>& o, DWORD_PTR id) { o.Report(id, "-1"); }},
    {"after a refused double", [](OpenList<L>& o, DWORD_PTR id) { o.Report(id, _variant_t(-2.0)); }},
    {"after an empty text reported", [](OpenList<L>& o, DWORD_PTR id) { o.Report(id, ""); }},
};

// The lengths are read whole: "3x", "1:2" and "" are refused, typed or reported, in every state.
// Nothing is written to either border, no stamp moves, the view is not redrawn and the item shows
// its text from before.
TEST(BorderGridReports, ALengthReadWholeRefusesThreeXTypedOrReportedInEveryState) {
    for (const Length& length : kLengths)
        for (const LengthState& state : kLengthStates)
            for (const char* text : {"3x", "1:2", ""})
                for (bool typed : {true, false}) {
                    BorderPage page;
                    state.reach(*page.open, length.id);
                    const std::string before = page.open->Value(length.id);
                    if (typed && before == text) continue;  // the text shown: no edit at all
                    const double shown = (page.shown->*length.get)(), twin = (page.twin->*length.get)();
                    const uint64_t shownStamp = page.shown->GetTimeStamp(), twinStamp = page.twin->GetTimeStamp();
                    const int redraws = page.open->Redraws();
                    parsnip::testing::ClearCallLog();
                    if (typed)
                        page.open->Type(length.id, text);
                    else
                        page.open->Report(length.id, text);
                    const std::string how = std::string(state.name) + (typed ? ", typed \"" : ", reported \"") + text +
                                            "\", item " + std::to_string(length.id);
                    EXPECT_DOUBLE_EQ(shown, (page.shown->*length.get)()) << how;
                    EXPECT_DOUBLE_EQ(twin, (page.twin->*length.get)()) << how;
                    EXPECT_EQ(shownStamp, page.shown->GetTimeStamp()) << how;
                    EXPECT_EQ(twinStamp, page.twin->GetTimeStamp()) << how;
                    EXPECT_EQ(redraws, page.open->Redraws()) << how;
                    EXPECT_EQ(0, parsnip::testing::CountCalls("CQXObject::OnChanged", page.shown)) << how;
                    EXPECT_EQ(before, page.open->Value(length.id)) << how;
                }
}

// A number reported as a double is a length like the same number typed; a "3x" typed after it is
// still refused, where the item once read it as 3 and stored 300.
TEST(BorderGridReports, ANumberReportedAsADoubleIsTakenAndLeavesTheLengthReadWhole) {
    for (const Length& length : kLengths) {
        BorderPage page;
        page.open->Report(length.id, _variant_t(2.0));
        EXPECT_DOUBLE_EQ(200, (page.twin->*length.get)()) << length.id;
        EXPECT_EQ("2", page.open->Value(length.id)) << length.id;  // as "2" typed shows
        page.open->Type(length.id, "3x");
        EXPECT_DOUBLE_EQ(200, (page.twin->*length.get)()) << length.id;
        EXPECT_EQ("2", page.open->Value(length.id)) << length.id;
        page.open->Report(length.id, _variant_t(3.25));
        page.open->Type(length.id, "3");
        EXPECT_DOUBLE_EQ(300, (page.twin->*length.get)()) << length.id;
    }
}

// ---- a line's fill cell size -----------------------------------------------------------------------------

constexpr DWORD_PTR kCellSizeId = kPlaneFillCellSizeId;

struct LinePage {
    parsnip::MapFixture map;
    CQXObjectPolyline* line = map.AddPolyline("线", {{0, 0}, {3, 4}});
    std::unique_ptr<OpenList<CPropListLine>> open;
    LinePage() {
        map.Select(line);
        open = std::make_unique<OpenList<CPropListLine>>(line);
    }
    float CellSize() const { return planetest::BrushOf(line).size; }
};

// "1:2" is read by its leading number, 1 (100 hundredths), reported as typed: in a fresh window,
// after a refused typed text, and after "1.2.3", the refused "0:1" and "1.2.3" again.
TEST(LineFillReports, OneToTwoIsTakenAsOneInAFreshWindowAndAfterAnyRefusal) {
    for (bool typed : {true, false}) {
        auto give = [typed](LinePage& page, const char* text) {
            typed ? (void)page.open->Type(kCellSizeId, text) : page.open->Report(kCellSizeId, text);
        };
        const char* how = typed ? "typed" : "reported";
        {
            LinePage page;
            give(page, "1:2");
            EXPECT_FLOAT_EQ(100, page.CellSize()) << how;
            EXPECT_EQ("1.00", page.open->Value(kCellSizeId)) << how;
        }
        {
            LinePage page;
            page.open->Type(kCellSizeId, "-1");
            EXPECT_FLOAT_EQ(0, page.CellSize()) << how;
            give(page, "1:2");
            EXPECT_FLOAT_EQ(100, page.CellSize()) << how;
        }
        {
            LinePage page;
            give(page, "1.2.3");
            EXPECT_FLOAT_EQ(120, page.CellSize()) << how;
            const int redraws = page.open->Redraws();
            give(page, "0:1");
            EXPECT_FLOAT_EQ(120, page.CellSize()) << how;
            EXPECT_EQ(redraws, page.open->Redraws()) << how;
            EXPECT_EQ("1.20", page.open->Value(kCellSizeId)) << how;
            // The same number again is an edit of its own: written and redrawn again.
            parsnip::testing::ClearCallLog();
            give(page, "1.2.3");
            EXPECT_FLOAT_EQ(120, page.CellSize()) << how;
            EXPECT_EQ(1, parsnip::testing::CountCalls("CQXObjectLine::SetLogBrush", page.line)) << how;
            EXPECT_EQ(redraws + 1, page.open->Redraws()) << how;
            EXPECT_EQ("1.20", page.open->Value(kCellSizeId)) << how;
        }
    }
}

// ---- the pie layer's dates ---------------------------------------------------------------------------------

using D = CPropListPieLayerData;
using kel::plane::CPieLayer;

// A dynamic multi-column bar layer, its begin and end dates shown on the data page.
struct DatePage : pietest::PieWorld {
    std::unique_ptr<OpenList<D>> open;
    DatePage() : PieWorld(2, 2) {
        pie.SetDataType(2);
        pie.SetDateBegin(COleDateTime(2024, 1, 1, 0, 0, 0));
        pie.SetDateEnd(COleDateTime(2024, 12, 31, 0, 0, 0));
        open = std::make_unique<OpenList<D>>(layer);
    }
    CBCGPDateTimeProp* Date(DWORD_PTR id) { return dynamic_cast<CBCGPDateTimeProp*>(open->Item(id)); }
};

// A begin after the end or an end before the begin, reported from code, is refused as the same date
// picked is: not even the real-time flag is written, nothing is redrawn, and the item shows the
// stored date. A text that is no date is refused the same way.
TEST(PieDateReports, ADateOutOfOrderReportedDoesNothingAtAll) {
    const COleDateTime begin(2024, 1, 1, 0, 0, 0), end(2024, 12, 31, 0, 0, 0);
    const std::pair<DWORD_PTR, _variant_t> cases[] = {
        {D::kDateBeginId, _variant_t(COleDateTime(2025, 2, 1, 0, 0, 0).m_dt)},
        {D::kDateEndId, _variant_t(COleDateTime(2023, 2, 1, 0, 0, 0).m_dt)},
        {D::kDateBeginId, _variant_t("2025-02-01")},
        {D::kDateEndId, _variant_t("3x")},
        {D::kDateBeginId, _variant_t("")},
    };
    for (const auto& [id, value] : cases) {
        DatePage page;
        const uint64_t stamp = page.layer->GetTimeStamp();
        const std::string how = std::string(VariantToText(value));
        planetest::ExpectOnlyItemShowsStored(
            *page.open, id, how, page.open->Value(id),
            [&, id = id, &value = value](CBCGPProp*) { page.open->Report(id, value); });
        EXPECT_EQ(stamp, page.layer->GetTimeStamp()) << id << " " << how;
        EXPECT_EQ(id == D::kDateBeginId ? begin : end, page.Date(id)->GetDate()) << id << " " << how;
        EXPECT_EQ(begin, page.pie.GetDateBegin()) << id << " " << how;
        EXPECT_EQ(end, page.pie.GetDateEnd()) << id << " " << how;
    }
}

// A date in order, reported as a number or as a text, is written as the same date picked is: the
// layer's date, the real-time flag and one redraw.
TEST(PieDateReports, ADateInOrderReportedIsWrittenAsTheSameDatePicked) {
    for (const _variant_t& value : {_variant_t(COleDateTime(2024, 6, 30, 0, 0, 0).m_dt), _variant_t("2024-06-30")}) {
        DatePage page;
        const int redraws = page.open->Redraws();
        parsnip::testing::ClearCallLog();
        page.open->Report(D::kDateEndId, value);
        EXPECT_EQ(COleDateTime(2024, 6, 30, 0, 0, 0), page.pie.GetDateEnd());
        EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CPieLayer::SetDateEnd"));
        EXPECT_EQ(1, parsnip::testing::CountCalls("kel::plane::CPieLayer::SetModifyObject"));
        EXPECT_EQ(redraws + 1, page.open->Redraws());
        EXPECT_EQ(COleDateTime(2024, 6, 30, 0, 0, 0), page.Date(D::kDateEndId)->GetDate());
        // A date picked after the report is judged against the date the report wrote.
        page.open->grid().PickDate(page.Date(D::kDateBeginId), COleDateTime(2024, 7, 1, 0, 0, 0));
        EXPECT_EQ(COleDateTime(2024, 1, 1, 0, 0, 0), page.pie.GetDateBegin());
        EXPECT_EQ(COleDateTime(2024, 1, 1, 0, 0, 0), page.Date(D::kDateBeginId)->GetDate());
    }
}

}  // namespace
