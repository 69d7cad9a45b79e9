// The section entries' rows of the object pages: which page each object kind gets, under which
// caption, and that the multi-well rulers are captioned with their own names.
#include <gtest/gtest.h>

#include <boost/make_shared.hpp>
#include <string>
#include <vector>

#include "hostlibs/Oriel/SectionFixture.h"
#include "hosttypes/Gondola/Fence.h"
#include "hosttypes/Halyard/ControlLine.h"
#include "hosttypes/Halyard/DesignerWell.h"
#include "hosttypes/Halyard/FaultLine.h"
#include "hosttypes/Halyard/FlowUnit.h"
#include "hosttypes/Halyard/OSWerLine.h"
#include "hosttypes/Halyard/Reservoir.h"
#include "hosttypes/Oriel/CrCorrelation.h"
#include "hosttypes/Oriel/CrFaultPoint.h"
#include "hosttypes/Oriel/ScDepthRuler.h"
#include "hosttypes/Oriel/ScDisRuler.h"
#include "hosttypes/Oriel/ScLookDownForm.h"
#include "section/FcPropertyWnd.h"
#include "section/LstDepthRuler.h"
#include "section/LstDsgWell.h"
#include "section/LstLookDownForm.h"
#include "section/RsLstLookDownForm.h"
#include "section/ScPropertyWnd.h"
#include "section/SectionTestFixture.h"

namespace {

using Captions = std::vector<std::string>;
using namespace KelReservoir;

class ObjectCreators : public ::testing::Test {
protected:
    // The tabs of the window an entry makes for the object; "<none>" for no window.
    template <class Entry>
    Captions Tabs(ScObjInterface* object) {
        CWnd* wnd = Entry().Create(SectionObjectArg(object), &host.frame);
        if (!wnd) return {"<none>"};
        Captions tabs = platform::TabCaptions(*wnd);
        platform::DestroyAndDelete(wnd);
        return tabs;
    }
    sectiontest::HostWindows host;
};

TEST_F(ObjectCreators, MultiWellRulersAreCaptionedWithTheirNames) {
    oriel::SectionFixture<CrCorrelation> section;
    ScDepthRuler depth;
    depth.SetRulerName("左标尺");
    ScDisRuler distance;
    EXPECT_EQ(Captions{"左标尺"}, Tabs<ScPropertyWnd>(&depth));
    EXPECT_EQ(Captions{""}, Tabs<ScPropertyWnd>(&distance));
    EXPECT_EQ(Captions{"导航图"}, Tabs<ScPropertyWnd>(section.Section().GetLookDownForm()));
    CrFaultPoint point;
    EXPECT_EQ(Captions{"断点"}, Tabs<ScPropertyWnd>(&point));
    CWnd* sheet = ScPropertyWnd().CreateObj(SectionObjectArg(&depth), &host.frame);
    ASSERT_NE(nullptr, sheet);
    EXPECT_NE(nullptr, sectiontest::PageList<CLstDepthRuler>(sheet, 0));
    platform::DestroyAndDelete(sheet);
}

TEST_F(ObjectCreators, ReservoirObjectsGetTheirPages) {
    oriel::SectionFixture<Connection::CkelReservoir> section;
    ScDepthRuler depth;
    depth.SetRulerName("左标尺");
    ScDisRuler distance;
    SandUnit::CkelFlowUnit unit;
    SandUnit::CkelOSWerLine line;
    VirtualWell::CkelControlLine control;
    Fault::CkelFaultLine fault;
    Connection::CDesignerWellAdapter designed;
    EXPECT_EQ(Captions{"深度标尺"}, Tabs<CkelPropertyWnd>(&depth));
    EXPECT_EQ(Captions{"距离标尺"}, Tabs<CkelPropertyWnd>(&distance));
    EXPECT_EQ(Captions{"导航图"}, Tabs<CkelPropertyWnd>(section.Section().GetLookDownForm()));
    EXPECT_EQ(Captions{"砂体对象"}, Tabs<CkelPropertyWnd>(&unit));
    EXPECT_EQ(Captions{"砂体对象"}, Tabs<CkelPropertyWnd>(&line));
    EXPECT_EQ(Captions{"虚拟井"}, Tabs<CkelPropertyWnd>(&control));
    EXPECT_EQ(Captions{"断层线"}, Tabs<CkelPropertyWnd>(&fault));
    EXPECT_EQ(Captions{"设计井设置"}, Tabs<CkelPropertyWnd>(&designed));

    CWnd* sheet = CkelPropertyWnd().Create(SectionObjectArg(section.Section().GetLookDownForm()), &host.frame);
    EXPECT_NE(nullptr, sectiontest::PageList<CRsLstLookDownForm>(sheet, 0));
    platform::DestroyAndDelete(sheet);
}

TEST_F(ObjectCreators, ReservoirOnlyKindsOpenNothingInAFenceWhoseMapGetsTheMultiWellPage) {
    oriel::SectionFixture<KelFence::CFence> fence;
    SandUnit::CkelFlowUnit unit;
    Connection::CDesignerWellAdapter designed;
    EXPECT_EQ(Captions{"<none>"}, Tabs<CFcPropertyWnd>(&unit));
    EXPECT_EQ(Captions{"<none>"}, Tabs<CFcPropertyWnd>(&designed));
    CWnd* sheet = CFcPropertyWnd().Create(SectionObjectArg(fence.Section().GetLookDownForm()), &host.frame);
    ASSERT_NE(nullptr, sheet);
    EXPECT_EQ(Captions{"导航图"}, platform::TabCaptions(*sheet));
    EXPECT_NE(nullptr, sectiontest::PageList<CLstLookDownForm>(sheet, 0));
    platform::DestroyAndDelete(sheet);
}

}  // namespace
