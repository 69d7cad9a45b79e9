// A text reported from code into a section page's number item gets the answer the same text typed
// gets, whatever the item held before (a number reported as a double, a refused text, a refused
// report): the same values stored, the same library calls, stamps and modify flags, the same text
// shown.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "GraphPageFixture.h"
#include "SingleWellTestFixture.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "section/LstFaultPoint.h"
#include "section/LstSglSandSetor.h"
#include "section/SglLstCtrlLine.h"
#include "section/SglLstWell.h"
#include "support/ReportsAsTyped.h"

using namespace sectiontest;

namespace {

using tsltest::Drive;
using tsltest::DrivenPage;

// ---- the graph page of a connection section --------------------------------------------------------------

using G = CCnGraphSetor;

struct GraphWorld {
    GraphPage<CnConnection> page;
    std::unique_ptr<CallTrace> calls;
    GraphWorld() {
        page.Record().m_bCalVirtualStratum = true;
        page.Record().m_bConnectVirtualStratum = true;
        page.Record().m_dTopDepth = 1500;
        page.Record().m_dWellWidth = 300;
        page.Refresh();
    }
};

DrivenPage OpenGraph() {
    auto world = std::make_shared<GraphWorld>();
    return Drive(
        world->page.open, world, [](GraphWorld& w) { w.calls = std::make_unique<CallTrace>(w.page.section.Section()); },
        [](GraphWorld& w) {
            const CMapProperty& r = w.page.Record();
            std::ostringstream out;
            out << r.m_virStratumPen.width << ' ' << r.m_stratumNameFont.size << ' ' << r.m_dTopDepth << ' '
                << r.m_dWellWidth << ' ' << r.m_dLeftJoint << ' ' << r.m_dEqualInterval << '\n'
                << (w.calls ? w.calls->Text() : "");
            return out.str();
        });
}

// ---- the single-well pages ----------------------------------------------------------------------------------

struct SingleWellPages {
    SingleWorld world;
    std::shared_ptr<void> page;  // closed before the world goes
    std::unique_ptr<SingleTrace> calls;
    SingleWellPages() {
        world.Record().m_bEnvelopeVisible = true;
        world.Record().m_envelopePen.width = 45;
        world.Section().ProChanged();
    }
    std::string Dump() {
        std::ostringstream out;
        out << world.Well().GetWidth() << ' ' << world.Line().GetLogPen().width << ' '
            << world.Record().m_envelopePen.width << '\n'
            << (calls ? calls->Text() : "");
        return out.str();
    }
};

auto* WellOf(SingleWorld& w) { return &w.Well(); }
auto* LineOf(SingleWorld& w) { return &w.Line(); }
auto* SectionOf(SingleWorld& w) { return &w.Section(); }
ScObjInterface* ObjectOf(SingleWorld& w) { return w.Object(); }

// List made on the object made gives, then shown the object shown gives.
template <class List, auto made, auto shown>
DrivenPage OpenSingle() {
    auto world = std::make_shared<SingleWellPages>();
    auto open = std::make_shared<SinglePage<List>>(made(world->world));
    open->Show(shown(world->world));
    world->page = open;
    return Drive(
        open->open, world, [](SingleWellPages& w) { w.calls = std::make_unique<SingleTrace>(w.world.Section()); },
        [](SingleWellPages& w) { return w.Dump(); });
}

// ---- the fault-point page -------------------------------------------------------------------------------------

using F = CLstFaultPoint;

struct FaultWorld {
    oriel::SectionFixture<CrCorrelation> section;
    CrWellFaultPointMgr points;
    std::unique_ptr<OpenList<F>> open;
    std::unique_ptr<CallTrace> calls;
    FaultWorld() {
        points.SetWellMgr(section.Section().GetWellMgr());
        CrWellFaultPoint* well = points.CreateFaultPoint();
        well->SetWell(&section.Well(0));
        well->AddFaultPoint()->SetTimeStamp(1);
        open = std::make_unique<OpenList<F>>(new F(&Point()));
        open->Show(&Point());
    }
    CrFaultPoint& Point() { return *points.GetWellFaultPoint(0)->GetFaultPoint(0); }
};

DrivenPage OpenFaultPoint() {
    auto world = std::make_shared<FaultWorld>();
    return Drive(
        *world->open, world, [](FaultWorld& w) { w.calls = std::make_unique<CallTrace>(w.section.Section()); },
        [](FaultWorld& w) {
            std::ostringstream out;
            out << w.Point().GetLogPoint().size << ' ' << w.Point().GetFaultDepth() << ' ' << w.Point().GetTimeStamp()
                << ' ' << w.section.Section().GetUpdateCount() << '\n'
                << (w.calls ? w.calls->Text() : "");
            return out.str();
        });
}

// ---- the cases ------------------------------------------------------------------------------------------------

struct Case {
    const char* name;
    DWORD_PTR id;
    std::function<DrivenPage()> open;
};

const Case kCases[] = {
    {"graph: virtual stratum line width", G::kVirPenWidthId, OpenGraph},
    {"graph: stratum name size", G::kNameSizeId, OpenGraph},
    {"graph: top depth", G::kTopDepthId, OpenGraph},
    {"graph: well width", G::kWellWidthId, OpenGraph},
    {"graph: interval", G::kIntervalId, OpenGraph},
    {"single well: width", CsglLstWell::kWidthId, OpenSingle<CsglLstWell, WellOf, WellOf>},
    {"single well: control line width", CSglLstCtrlLine::kWidthId, OpenSingle<CSglLstCtrlLine, LineOf, LineOf>},
    {"single well: envelope width", CLstSglSandSetor::kEnvelopeStyleId + 1,
     OpenSingle<CLstSglSandSetor, SectionOf, ObjectOf>},
    {"fault point: symbol size", F::kSymbolSizeId, OpenFaultPoint},
    {"fault point: depth", F::kFaultDepthId, OpenFaultPoint},
};

TEST(SectionReportsAsTyped, EveryNumberItemGivesAReportTheAnswerOfTheSameTextTyped) {
    for (const Case& c : kCases) tsltest::ExpectReportsAnswerAsTyped(c.name, c.id, c.open, {"3x", "", "1:2"});
}

// "3x" reported is a width or size of 3, as typed: written to the record or the object.
TEST(SectionReportsAsTyped, ThreeXReportedIsThree) {
    {
        GraphWorld w;
        for (DWORD_PTR id : {G::kVirPenWidthId, G::kNameSizeId})
            tsltest::ReportFromCode(w.page.open.list().GetPropList(), w.page.open.Item(id), "3x");
        EXPECT_FLOAT_EQ(300, w.page.Record().m_virStratumPen.width);
        EXPECT_FLOAT_EQ(300, w.page.Record().m_stratumNameFont.size);
        EXPECT_EQ("3.00", w.page.open.Value(G::kNameSizeId));
    }
    {
        FaultWorld w;
        tsltest::ReportFromCode(w.open->list().GetPropList(), w.open->Item(F::kSymbolSizeId), "3x");
        EXPECT_FLOAT_EQ(300, w.Point().GetLogPoint().size);
    }
}

}  // namespace
