// A text reported from code into a profile-line page gets the answer the same text typed gets,
// whatever the item held before (a number reported as a double, a refused text, a refused report):
// the same value stored, the same library calls, the same text shown.
#include <functional>
#include <memory>
#include <sstream>

#include "ProfileFixture.h"
#include "ProfilelineProp/PlProfilelineProperty.h"
#include "ProfilelineProp/PlWellSymbolProperty.h"
#include "ProfilelineProp/PlWellTrackProperty.h"
#include "ProfilelineProp/dataprop.h"
#include "ProfilelineProp/profilelineprop.h"
#include "ProfilelineProp/wellnameprop.h"
#include "ProfilelineProp/wellnameproperty.h"
#include "ProfilelineProp/wellsymbolprop.h"
#include "support/ReportsAsTyped.h"

using namespace pltest;

namespace {

using tsltest::DrivenPage;

// A sample graph with a fresh layer property, the sea-level depth shown on the data page, and the
// page open on it.
struct World {
    SampleGraph g;
    std::shared_ptr<void> open;  // closed before the graph goes
    World() {
        lodestar::testing::Reset();
        Layer()->m_nDataTarget = 8;
    }
    // Every value the pages below write, and the library calls since the log was cleared.
    std::string Dump() {
        const boost::shared_ptr<CLayerProperty> layer = Layer();
        std::ostringstream out;
        out << layer->m_dSeaLevelDepth << ' ' << layer->m_profileLinePen.width << ' ' << layer->m_nameFont.size << ' '
            << layer->m_dNameOffset;
        for (int kind : {PL_SYMBOL_CURRENT, PL_SYMBOL_HEAD}) out << ' ' << layer->GetSymbolPoint(kind).size;
        out << ' ' << layer->GetWellTrackPen(PL_TRACK_UPPER).width << ' ' << g.Label(0)->GetLabelFont().size << ' '
            << g.projected.GetLinePen().width << ' ' << g.projected.GetAngle() << ' '
            << g.Head(0)->GetSymbolLogPoint().size << ' ' << g.Upper(0)->GetLogPen().width;
        for (const std::string& call : lodestar::testing::CallLog()) out << '\n' << call;
        return out.str();
    }
};

// A new world with the list made by make open on the object shown gives, the objects active gives
// made active first.
template <class List>
DrivenPage Open(List* (*make)(World&), CPlObjInterface* (*shown)(World&),
                std::vector<CPlObjInterface*> (*active)(World&) = nullptr) {
    auto world = std::make_shared<World>();
    if (active) world->g.Activate(active(*world));
    auto open = std::make_shared<OpenList<List>>(make(*world));
    open->Show(shown(*world));
    world->open = open;
    return tsltest::Drive(
        *open, world, [](World&) { lodestar::testing::ClearCallLog(); }, [](World& w) { return w.Dump(); });
}

auto* Entity(World& w) { return &w.g.entity; }
auto* Label(World& w) { return w.g.Label(0); }
auto* Line(World& w) { return &w.g.projected; }
auto* Head(World& w) { return w.g.Head(0); }
auto* Upper(World& w) { return w.g.Upper(0); }

// List open on the object object gives; an object's own page with that object alone active.
template <class List, auto object, bool alone = true>
DrivenPage On() {
    return Open(
        +[](World& w) { return new List(object(w)); }, +[](World& w) -> CPlObjInterface* { return object(w); },
        alone ? +[](World& w) { return std::vector<CPlObjInterface*>{object(w)}; } : nullptr);
}

struct Case {
    const char* name;
    DWORD_PTR id;
    DrivenPage (*open)();
    double (*stored)(World&);
    double scale;  // the stored value of the number typed
};

double Stored(float value) { return static_cast<double>(value); }

const Case kCases[] = {
    {"label size", CPlWellLabelProperty::kSizeId, On<CPlWellLabelProperty, Label>,
     [](World& w) { return Stored(w.g.Label(0)->GetLabelFont().size); }, 100},
    {"line width", CPlProfilelineProperty::kWidthId, On<CPlProfilelineProperty, Line>,
     [](World& w) { return Stored(w.g.projected.GetLinePen().width); }, 100},
    {"line angle", CPlProfilelineProperty::kAngleId, On<CPlProfilelineProperty, Line>,
     [](World& w) { return w.g.projected.GetAngle(); }, 1},
    {"sea-level depth", CPlLayerData::kSeaLevelDepthId, On<CPlLayerData, Entity, false>,
     [](World&) { return Layer()->m_dSeaLevelDepth; }, 1},
    {"layer line width", CPlLayerLine::kWidthId, On<CPlLayerLine, Entity, false>,
     [](World&) { return Stored(Layer()->m_profileLinePen.width); }, 100},
    {"well-name size", CPlLayerWellName::kSizeId, On<CPlLayerWellName, Entity, false>,
     [](World&) { return Stored(Layer()->m_nameFont.size); }, 100},
    {"well-name offset", CPlLayerWellName::kOffsetId, On<CPlLayerWellName, Entity, false>,
     [](World&) { return Layer()->m_dNameOffset; }, 1},
    {"symbol size", CPlWellSymbolProperty::kSymbolGroupId + 2, On<CPlWellSymbolProperty, Head>,
     [](World& w) { return Stored(w.g.Head(0)->GetSymbolLogPoint().size); }, 100},
    {"layer symbol size", CPlLayerWellSymbol::kSizeId, On<CPlLayerWellSymbol, Entity, false>,
     [](World&) { return Stored(Layer()->GetSymbolPoint(PL_SYMBOL_CURRENT).size); }, 100},
    {"head symbol size", CPlLayerWellSymbol::kHeadGroupId + 3, On<CPlLayerWellSymbol, Entity, false>,
     [](World&) { return Stored(Layer()->GetSymbolPoint(PL_SYMBOL_HEAD).size); }, 100},
    {"track width", CPlWellTrackProperty::kFirstLineId + 1, On<CPlWellTrackProperty, Upper>,
     [](World& w) { return Stored(w.g.Upper(0)->GetLogPen().width); }, 100},
    {"layer track width", CPlLayerWellSymbol::kUpperTrackGroupId + 3, On<CPlLayerWellSymbol, Entity, false>,
     [](World&) { return Stored(Layer()->GetWellTrackPen(PL_TRACK_UPPER).width); }, 100},
};

// The same library calls, values and shown text, typed or reported, in every state.
TEST(ProfileReportsAsTyped, EveryNumberItemGivesAReportTheAnswerOfTheSameTextTyped) {
    for (const Case& c : kCases) tsltest::ExpectReportsAnswerAsTyped(c.name, c.id, c.open, {"3x", "", "1:2"});
}

// "3x" reported is 3 wherever it goes, whatever the item held before.
TEST(ProfileReportsAsTyped, ThreeXReportedIsThreeInEveryState) {
    for (const Case& c : kCases)
        for (const tsltest::ItemState& state : tsltest::kNumberStates) {
            DrivenPage page = c.open();
            state.reach(page, c.id);
            page.report(c.id, "3x");
            EXPECT_DOUBLE_EQ(3 * c.scale, c.stored(*static_cast<World*>(page.keep.get())))
                << c.name << ", " << state.name;
        }
}

}  // namespace
