// The sweep over the profile lines: the layer window of a sample graph through its creator, and
// the window of every object through PlPropertyWnd, with every object of the shown one's kind active.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>

#include "ProfilelineProp/PlPropertyWnd.h"
#include "hostlibs/Lodestar/GraphFixture.h"
#include "hosttypes/Lodestar/LayerProperty.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlManagers.h"
#include "hosttypes/Lodestar/PlProfileline.h"
#include "hosttypes/Lodestar/PlWell.h"
#include "sweep/Sweep.h"

namespace {

using namespace KelProfileline;
using sweep::Fields;

struct Kind {
    std::string name;
    std::vector<CPlObjInterface*> objects;
};

std::vector<Kind> Kinds(lodestar::GraphFixture& g) {
    std::vector<Kind> kinds = {{"graph", {&g.entity}}, {"line", {&g.sequence, &g.projected}},
                               {"label", {}},          {"head symbol", {}},
                               {"bottom symbol", {}},  {"upper track", {}},
                               {"lower track", {}}};
    for (const auto& w : g.well) {
        kinds[2].objects.push_back(w->GetWellLabel().get());
        kinds[3].objects.push_back(w->GetSymbol(PL_SYMBOL_HEAD).get());
        kinds[4].objects.push_back(w->GetSymbol(PL_SYMBOL_BOTTOM).get());
        kinds[5].objects.push_back(w->GetTrack(PL_TRACK_UPPER).get());
        kinds[6].objects.push_back(w->GetTrack(PL_TRACK_LOWER).get());
    }
    return kinds;
}

void DumpGraph(lodestar::GraphFixture& g, const std::vector<Kind>& kinds, sweep::State& state) {
    const boost::shared_ptr<CLayerProperty> layer = CPropertySignle::Instance()->GetProperty();
    state.Put("layer", std::to_string(layer->m_nDataTarget) + "/" + std::to_string(layer->m_nStratumIndex));
    // The layer's settings, which its pages write without a stamp.
    Fields(state, "layer", layer.get(), ".line", &CLayerProperty::m_profileLinePen, ".sea level",
           &CLayerProperty::m_dSeaLevelDepth, ".name", &CLayerProperty::m_nameFont, ".name offset",
           &CLayerProperty::m_dNameOffset, ".name shown", &CLayerProperty::m_bShowWellName, ".straight",
           &CLayerProperty::m_bStraightTrack, ".line shown", &CLayerProperty::m_bShowProfileLine, ".random colour",
           &CLayerProperty::m_bRandomLineColor, ".map shown", &CLayerProperty::m_bShowReferenceMap);
    state.Put("layer.texts", layer->m_strNameFontTemplate + "/" + layer->m_strNameSizeTemplate + "/" +
                                 layer->m_strNameColorTemplate + "/" + layer->m_strNameReferObject + "/" +
                                 layer->m_strNameRelativePos + "/" + layer->m_strPointStyleTemplate + "/" +
                                 layer->m_strPointSizeTemplate + "/" + layer->m_strPointOutColorTemplate + "/" +
                                 layer->m_strPointInnerColorTemplate + "/" + layer->m_strPlaneMapFile);
    for (int kind : {PL_SYMBOL_CURRENT, PL_SYMBOL_HEAD, PL_SYMBOL_BOTTOM}) {
        const std::string key = "layer.symbol" + std::to_string(kind);
        state.Point(key, layer->GetSymbolPoint(kind));
        state.Put(key, ".shown", layer->GetSymbolVisible(kind) ? "是" : "否");
    }
    for (int kind : {PL_TRACK_UPPER, PL_TRACK_LOWER}) {
        const std::string key = "layer.track" + std::to_string(kind);
        state.Pen(key, layer->GetWellTrackPen(kind));
        state.Put(key, ".shown", layer->GetWellTrackVisible(kind) ? "是" : "否");
    }
    for (const Kind& kind : kinds)
        for (std::size_t i = 0; i < kind.objects.size(); ++i)
            state.Put(kind.name + std::to_string(i) + ".stamp", std::to_string(kind.objects[i]->GetObjTimeStamp()));
    for (CPlProfileline* line : {&g.sequence, &g.projected}) {
        const std::string key = "line" + std::to_string(line->GetLineType());
        state.Pen(key, line->GetLinePen());
        state.Put(key, ".angle", line->GetAngle());
    }
    for (const auto& w : g.well) {
        const std::string key = w->GetName().str();
        state.Font(key, ".label", w->GetWellLabel()->GetLabelFont());
        for (int symbol : {PL_SYMBOL_HEAD, PL_SYMBOL_BOTTOM}) {
            state.Point(key + ".symbol" + std::to_string(symbol), w->GetSymbol(symbol)->GetSymbolLogPoint());
        }
        for (int track : {PL_TRACK_UPPER, PL_TRACK_LOWER}) {
            state.Put(key + ".track" + std::to_string(track),
                      static_cast<double>(w->GetTrack(track)->m_byStraightLine));
            state.Pen(key + ".track" + std::to_string(track), w->GetTrack(track)->GetLogPen());
        }
    }
}

TEST(SweepProfileLine, EveryPageOfTheLayerAndOfEveryObject) {
    lodestar::GraphFixture g({"桩1", "桩2", "桩3"});
    // Layer settings of the sweep's own, put back after it.
    const boost::shared_ptr<CLayerProperty> before = CPropertySignle::Instance()->GetProperty();
    const auto layer = boost::make_shared<CLayerProperty>();
    CPropertySignle::Instance()->SetProperty(layer);
    auto info = boost::make_shared<CPlRefrenceInfo>();
    info->SetLayerProperty(CPropertySignle::Instance()->GetProperty());
    info->AddShowLayer("等值线", true);
    g.entity.SetRefrenceInfo(info);
    const std::vector<Kind> kinds = Kinds(g);
    // The first well's label font has a size that does not read and its head symbol a size with
    // more digits than shown; the line pen of the sequence line likewise.
    QXLOGFONT font = g.well[0]->GetWellLabel()->GetLabelFont();
    font.size = -100;
    g.well[0]->GetWellLabel()->SetLabelFont(font);
    QXLOGPOINT point = g.well[0]->GetSymbol(PL_SYMBOL_HEAD)->GetSymbolLogPoint();
    point.size = 249.96f;
    g.well[0]->GetSymbol(PL_SYMBOL_HEAD)->SetSymbolLogPoint(point);
    // The layer's current-layer symbol and upper track likewise.
    QXLOGPOINT current = layer->GetSymbolPoint(PL_SYMBOL_CURRENT);
    current.size = 99.96f;
    layer->SetSymbolPoint(PL_SYMBOL_CURRENT, current);
    QXLOGPEN track = layer->GetWellTrackPen(PL_TRACK_UPPER);
    track.width = 1234.5f;
    layer->SetWellTrackPen(PL_TRACK_UPPER, track);
    sweep::Sweeper sweeper("profile line", [&](sweep::State& state) { DumpGraph(g, kinds, state); });

    sweeper.Sweep(
        "layer", [&g](CWnd* frame) { return PlPropertyLstCreator::CreateLayerProp(&g.entity, frame); },
        PlObjectArg(&g.entity));
    for (const Kind& kind : kinds) {
        for (std::size_t i = 0; i < kind.objects.size(); ++i) {
            CPlObjInterface* shown = kind.objects[i];
            // Every object of the kind is active, the shown one first.
            std::vector<CPlObjInterface*> active = {shown};
            for (CPlObjInterface* other : kind.objects)
                if (other != shown) active.push_back(other);
            g.Activate(active);
            sweeper.Sweep(
                kind.name + " " + std::to_string(i),
                [shown](CWnd* frame) { return PlPropertyWnd().Create(PlObjectArg(shown), frame); }, PlObjectArg(shown));
        }
    }
    CPropertySignle::Instance()->SetProperty(before);
    EXPECT_GT(sweeper.Typed(), 0);
    EXPECT_EQ(sweeper.NotCompared(), std::vector<std::string>{});
    std::cout << "[sweep] profile line: " << sweeper.Pages().size() << " pages, " << sweeper.Typed() << " texts, "
              << sweeper.Unopened().size() << " without a window\n";
}

}  // namespace
