// A profile-line graph for tests, the demo host and benchmarks: an entity whose well and line
// managers hold a sequential and a projected line and wells named as given, each with a label
// (its text the well's name), a head and a bottom symbol (type names "井口符号", "井底符号") and
// an upper and a lower track. Nothing is active and the entity has no reference information.
#pragma once

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>
#include <initializer_list>
#include <vector>

#include "hosttypes/Lodestar/LayerProperty.h"
#include "hosttypes/Lodestar/PlContainer.h"
#include "hosttypes/Lodestar/PlManagers.h"
#include "hosttypes/Lodestar/PlProfileline.h"
#include "hosttypes/Lodestar/PlWell.h"

namespace lodestar {

struct GraphFixture {
    KelProfileline::CPlCnEntity entity;
    KelProfileline::CPlWellMgr wells;
    KelProfileline::CPlProfilelineMgr lines;
    KelProfileline::CPlProfileline sequence;
    KelProfileline::CPlProfileline projected;
    std::vector<boost::shared_ptr<KelProfileline::CPlWell>> well;

    explicit GraphFixture(std::initializer_list<const char*> names = {"W1", "W2"}) {
        using namespace KelProfileline;
        entity.m_pWellMgr = &wells;
        entity.m_pProfilelineMgr = &lines;
        wells.SetContainer(&entity);
        lines.SetContainer(&entity);
        sequence.SetLineType(LINE_SEQUENCE);
        projected.SetLineType(LINE_PROJECTION);
        for (CPlProfileline* line : {&sequence, &projected}) {
            line->SetContainer(&entity);
            lines.AddLine(line);
        }
        for (const char* name : names) {
            auto w = boost::make_shared<CPlWell>();
            w->SetName(name);
            auto label = boost::make_shared<CWellLabel>();
            label->SetLabelText(name);
            w->SetWellLabel(label);
            for (int kind : {PL_SYMBOL_HEAD, PL_SYMBOL_BOTTOM}) {
                auto symbol = boost::make_shared<CWellSymbol>();
                symbol->SetTypeName(kind == PL_SYMBOL_HEAD ? "井口符号" : "井底符号");
                w->SetSymbol(kind, symbol);
            }
            for (int kind : {PL_TRACK_UPPER, PL_TRACK_LOWER}) w->SetTrack(kind, boost::make_shared<CWellTrack>());
            wells.AddWell(w);
            well.push_back(w);
        }
    }
    GraphFixture(const GraphFixture&) = delete;
    GraphFixture& operator=(const GraphFixture&) = delete;

    KelProfileline::CWellLabel* Label(int i) { return well[i]->GetWellLabel().get(); }
    KelProfileline::CWellSymbol* Head(int i) { return well[i]->GetSymbol(KelProfileline::PL_SYMBOL_HEAD).get(); }
    KelProfileline::CWellTrack* Upper(int i) { return well[i]->GetTrack(KelProfileline::PL_TRACK_UPPER).get(); }
    void Activate(const std::vector<KelProfileline::CPlObjInterface*>& objects) { entity.SetActiveObjs(objects); }
};

}  // namespace lodestar
