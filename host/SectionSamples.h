// Section objects of the demo host that the demo's session and the sweep test both open: the
// fault points of a correlation section and the reservoir section's own objects.
#pragma once

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>
#include <string>

#include "hostlibs/Oriel/SectionFixture.h"
#include "hosttypes/Halyard/ControlLine.h"
#include "hosttypes/Halyard/DesignerWell.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Halyard/FlowUnit.h"
#include "hosttypes/Halyard/OSWerLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/ConnectionLines.h"
#include "hosttypes/Oriel/ConnectionSegments.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "hosttypes/Parsnip/QXObjectFill.h"
#include "hosttypes/Parsnip/QXObjectPolyline.h"

namespace demo {

// Two fault points on each of the section's first two wells; answers the first well's first one.
inline CrFaultPoint& AddFaultPoints(oriel::SectionFixture<CrCorrelation>& section) {
    auto faultPoints = section.Section().GetFaultPointMgr();
    faultPoints->SetWellMgr(section.Section().GetWellMgr());
    for (int w = 0; w < 2; ++w) {
        CrWellFaultPoint* well = faultPoints->CreateFaultPoint();
        well->SetWell(&section.Well(w));
        well->AddFaultPoint();
        well->AddFaultPoint();
    }
    return *faultPoints->GetWellFaultPoint(0)->GetFaultPoint(0);
}

// A designer well between W1 and W2, the two interface lines of a flow unit, the flow unit with
// one sand fill, a control line, two fault lines along one trace and the navigation map, built
// into the section it is given, which must outlive it.
struct ReservoirSample {
    explicit ReservoirSample(KelReservoir::Connection::CkelReservoir& section)
        : lines(boost::make_shared<KelReservoir::SandUnit::CkelOSWerLineManager>()),
          upper(boost::make_shared<KelReservoir::SandUnit::CkelOSWerLine>()),
          lower(boost::make_shared<KelReservoir::SandUnit::CkelOSWerLine>()),
          control(boost::make_shared<KelReservoir::VirtualWell::CkelControlLine>()),
          map(*section.GetLookDownForm()) {
        using namespace KelReservoir;
        designed.SetWellNames("设计井1", "W1", "W2");
        designed.SetReservoir(&section);

        upper->SetMoveDepthExtent(1000, 1100);
        upper->SetDepth(1050);
        lower->SetLineType(SandUnit::OSW_GAS_WATER);
        lower->SetMoveDepthExtent(1100, 1200);
        lower->SetDepth(1150);
        lines->SetUpperLine(upper);
        lines->SetLowerLine(lower);

        unit.SetOswLineManager(lines);
        sand.SetUnitCode("单元2");
        fill.AddSand(&sand);
        fill.SetFillObject(&drawing);
        unit.GetFillManager().AddObj(&fill);

        section.GetControlLineMgr()->AddLine(control);

        trace.SetPoints({FLOATPOINT(0, -1000), FLOATPOINT(40, -1300)});
        for (int i = 0; i < 2; ++i) {
            auto fault = boost::make_shared<Fault::CkelFaultLine>();
            fault->SetName("F" + std::to_string(i + 1));
            fault->SetImp(&trace);
            section.GetFaultLineMgr()->AddLine(fault);
        }

        map.SetMapRect(FLOATRECT(0, 50, 40, 0));
    }

    KelReservoir::Connection::CDesignerWellAdapter designed;
    boost::shared_ptr<KelReservoir::SandUnit::CkelOSWerLineManager> lines;
    boost::shared_ptr<KelReservoir::SandUnit::CkelOSWerLine> upper;
    boost::shared_ptr<KelReservoir::SandUnit::CkelOSWerLine> lower;
    KelReservoir::SandUnit::CkelFlowUnit unit;
    CnSand sand;
    CnSandFill fill;
    CQXObjectFill drawing;
    boost::shared_ptr<KelReservoir::VirtualWell::CkelControlLine> control;
    CQXObjectPolyline trace;
    ScLookDownForm& map;
};

}  // namespace demo
