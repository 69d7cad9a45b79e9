// A single-well section world for tests, the demo host and benchmarks: a section on the first
// layer of a map, its well "W1" by depth from 1000 m to 1100 m, 3 mm wide, perforated from 1005 m
// to 1020 m; the display settings of grade 1 (the sample well data's strata "1", "2", "3" with
// the flags 0x05, 0x0F, 0x0E; the well from "1" to "3"); one sand-unit manager holding a unit of
// stratum "1" from 1000 m to 1010 m (not connected) and one of stratum "2" from 1100 m to 1110 m
// (connected), each with its two sand lines, the first with a fill; one stratum-unit manager
// holding units "1" and "2"; one control line. Building the world clears the section library's
// call log.
#pragma once

#include <boost/make_shared.hpp>
#include <string>

#include "hostlibs/Parsnip/MapFixture.h"
#include "hostlibs/Pennant/Testing.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectLine.h"
#include "hosttypes/Pennant/SandUnit.h"
#include "hosttypes/Pennant/SglCtrlLine.h"
#include "hosttypes/Pennant/SglWellAdapter.h"
#include "hosttypes/Pennant/SingleWellSection.h"
#include "hosttypes/Pennant/StratumUnit.h"

namespace pennant {

// SectionT: CSingleWellSection or a class derived from it (to watch its virtual operations).
template <class SectionT>
class BasicSingleWellFixture {
public:
    BasicSingleWellFixture() : section_(maps_.Layer()) {
        CSglWellAdapter& well = Well();
        well.SetWellName("W1");
        well.SetTopDep(1000);
        well.SetBottomDep(1100);
        well.SetWidth(300);
        well.SetTopStratum("1");
        well.SetBottomStratum("3");
        well.AddShootInterval(1005, 1020);

        CSingleProperty& record = Record();
        record.m_nGrade = 1;
        record.m_strTemplatePath = "/kel/templates/system/14/单井剖面.tpl";
        record.AddStratum("1", 0x05);
        record.AddStratum("2", 0x0F);
        record.AddStratum("3", 0x0E);

        Sand::CSandUnitMgrVector& sands = *section_.GetSandUnitMgrVector();
        const boost::shared_ptr<Sand::CSandUnitManager> sandMgr = sands.CreateObj();
        sandMgr->SetManager(&sands);
        AddSandUnit(*sandMgr, "1", 1000, 1010, false);
        AddSandUnit(*sandMgr, "2", 1100, 1110, true);
        fillObject_ = maps_.Add<CQXObjectFill>("砂体填充");
        fill_.SetFill(fillObject_);
        fill_.SetSandUnit(SandUnit(0));

        Stratum::CStratumUnitMgrVector& strata = *section_.GetStratumManager();
        const boost::shared_ptr<Stratum::CStratumUnitManager> stratumMgr = strata.CreateObj();
        stratumMgr->SetMgrVec(&strata);
        for (const char* name : {"1", "2"}) {
            const boost::shared_ptr<Stratum::CStratumUnit> unit = stratumMgr->CreateObj();
            unit->SetStratumName(name);
            unit->SetManager(stratumMgr.get());
            QXLOGPEN pen;
            pen.style = 1001;
            pen.color = RGB(0, 0, 255);
            pen.width = 30;
            QXLOGBRUSH brush;
            brush.style = 1001;
            brush.fillColor = RGB(200, 255, 200);
            brush.lineColor = RGB(0, 128, 0);
            brush.size = 250;
            brush.backMode = 100;
            unit->SetLinePen(pen);
            unit->SetFillBrush(brush);
        }

        lineObject_ = maps_.Add<CQXObjectLine>("控制线");
        line_ = boost::make_shared<ControlLine::CSglCtrlLine>();
        line_->SetLine(lineObject_);
        line_->SetOwner(&section_);
        QXLOGPEN pen;
        pen.style = 1001;
        pen.color = RGB(255, 0, 0);
        pen.width = 20;
        line_->SetLogPen(pen);
        lineObject_->SetLogPen(&pen);
        section_.GetControlLineMgr()->AddObj(line_);
        testing::ClearCallLog();
    }
    BasicSingleWellFixture(const BasicSingleWellFixture&) = delete;
    BasicSingleWellFixture& operator=(const BasicSingleWellFixture&) = delete;

    SectionT& Section() { return section_; }
    CSglWellAdapter& Well() { return *section_.GetWell(); }
    CSingleProperty& Record() { return *section_.GetProperty(); }
    CQXMap* Map() const { return maps_.Map(); }
    // The objects as the host hands them over.
    ScObjInterface* Object() { return &section_; }
    Sand::CSandUnit* SandUnit(unsigned int i) { return section_.GetSandUnitMgrVector()->GetObj(0)->GetObj(i).get(); }
    Sand::CSandUnitFill& Fill() { return fill_; }
    CQXObjectFill& FillObject() { return *fillObject_; }
    Stratum::CStratumUnit* StratumUnit(unsigned int i) {
        return section_.GetStratumManager()->GetObj(0)->GetObj(i).get();
    }
    ControlLine::CSglCtrlLine& Line() { return *line_; }
    CQXObjectLine& LineObject() { return *lineObject_; }

    // Another sand-unit manager of n units of stratum "3", 10 m thick from 2000 m down, every other
    // one connected (for large sections).
    void AddSandUnits(int n) {
        Sand::CSandUnitMgrVector& sands = *section_.GetSandUnitMgrVector();
        const boost::shared_ptr<Sand::CSandUnitManager> manager = sands.CreateObj();
        manager->SetManager(&sands);
        for (int i = 0; i < n; ++i) AddSandUnit(*manager, "3", 2000 + 20.0 * i, 2010 + 20.0 * i, i % 2 == 0);
    }

private:
    static void AddSandUnit(Sand::CSandUnitManager& manager, std::string stratum, double top, double bottom,
                            bool connected) {
        const boost::shared_ptr<Sand::CSandUnit> unit = manager.CreateObj();
        unit->SetStratumName(stratum);
        unit->SetManager(&manager);
        unit->SetTopDep(top);
        unit->SetBottomDep(bottom);
        unit->SetConnection(connected);
        unit->SetOilCode("油层");
        unit->SetSandLines(boost::make_shared<Sand::CSandUnitLine>(), boost::make_shared<Sand::CSandUnitLine>());
    }

    parsnip::MapFixture maps_;
    SectionT section_;
    Sand::CSandUnitFill fill_;
    CQXObjectFill* fillObject_ = nullptr;
    CQXObjectLine* lineObject_ = nullptr;
    boost::shared_ptr<ControlLine::CSglCtrlLine> line_;
};

using SingleWellFixture = BasicSingleWellFixture<CSingleWellSection>;

}  // namespace pennant
