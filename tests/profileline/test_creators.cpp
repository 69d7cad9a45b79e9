// The profile-line creators: which object gets which sheet, what yields none, a parent without a
// window, and the log of the pages whose grid cannot be made.
#include <memory>

#include "ProfileFixture.h"
#include "ProfilelineProp/LstCnProfile.h"
#include "ProfilelineProp/dataprop.h"
#include "ProfilelineProp/profilelineprop.h"
#include "ProfilelineProp/wellnameprop.h"
#include "ProfilelineProp/wellnameproperty.h"
#include "ProfilelineProp/wellsymbolprop.h"
#include "driver/SheetDriver.h"
#include "framework/PropWndMgr.h"
#include "mfc/Wnd.h"

using namespace pltest;
using Captions = std::vector<std::string>;

namespace {

std::unique_ptr<CWnd> Open(CPlObjInterface* object, CWnd* parent) {
    return std::unique_ptr<CWnd>(PlPropertyWnd().Create(PlObjectArg(object), parent));
}

Captions CaptionsOf(CPlObjInterface* object, CWnd* parent) {
    std::unique_ptr<CWnd> sheet = Open(object, parent);
    return sheet ? platform::TabCaptions(*sheet) : Captions{"(none)"};
}

TEST(ProfileCreator, EachObjectKindGetsItsOnePage) {
    sectiontest::HostWindows host;
    SampleGraph g;
    EXPECT_EQ(CaptionsOf(&g.entity, &host.frame), Captions{"图"});
    EXPECT_EQ(CaptionsOf(g.Label(0), &host.frame), Captions{"井名"});
    EXPECT_EQ(CaptionsOf(g.Upper(0), &host.frame), Captions{"井轨迹"});
    EXPECT_EQ(CaptionsOf(g.Head(0), &host.frame), Captions{"井符号"});
    EXPECT_EQ(CaptionsOf(&g.projected, &host.frame), Captions{"剖面线"});

    std::unique_ptr<CWnd> layer(PlPropertyLstCreator::CreateLayerProp(&g.entity, &host.frame));
    ASSERT_TRUE(layer);
    EXPECT_EQ(platform::TabCaptions(*layer), (Captions{"数据", "井名", "井符号", "剖面线", "参考信息"}));
}

TEST(ProfileCreator, NamesMustMatchExactlyAndTheObjectMustBeOfItsNamesClass) {
    sectiontest::HostWindows host;
    SampleGraph g;
    g.entity.SetObjName("cplcnentity");
    EXPECT_EQ(Open(&g.entity, &host.frame), nullptr);
    g.Head(0)->SetObjName("CWellTrack");  // a symbol claiming to be a track is no track
    EXPECT_EQ(Open(g.Head(0), &host.frame), nullptr);
    EXPECT_EQ(PlPropertyWnd().Create(0, &host.frame), nullptr);

    PlPropertyLstCreator creator(&host.frame);
    creator.SetBecontroler(static_cast<CPlObjInterface*>(nullptr));
    creator.SetBecontroler(static_cast<CWellSymbol*>(nullptr));
    creator.SetBecontroler(static_cast<CPlCnEntity*>(nullptr));
    EXPECT_EQ(creator.GetCreatedWnd(), nullptr);
}

TEST(ProfileCreator, AParentWithoutAWindowGetsNoPageWindowButTheLayerSheetStays) {
    SampleGraph g;
    const std::size_t windows = AfxLiveWindowCount();
    CWnd unmade;
    PlPropertyLstCreator failing(&unmade);
    failing.SetBecontroler(&g.projected);
    failing.SetBecontroler(g.Label(0));
    EXPECT_EQ(failing.GetCreatedWnd(), nullptr);
    EXPECT_EQ(AfxLiveWindowCount(), windows) << "the failed sheets are destroyed";

    std::unique_ptr<CWnd> layer(PlPropertyLstCreator::CreateLayerProp(&g.entity, &unmade));
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->GetSafeHwnd(), nullptr);
}

TEST(ProfileCreator, TheEntityPageIsEmptyAndItsEditsOnlyRedraw) {
    sectiontest::HostWindows host;
    SampleGraph g;
    OpenList<CLstCnProfile> page(new CLstCnProfile(&g.entity));
    ASSERT_TRUE(page.Created());
    EXPECT_EQ(page.list().GetPropList().GetPropertyCount(), 0);
    lodestar::testing::ClearCallLog();
    page.list().SendMessage(BCGM_PROPERTY_CHANGED, 0, 0);
    EXPECT_EQ(lodestar::testing::CallLog(), std::vector<std::string>{"CPlContainer::UpdateWnd"});
}

// Each logging page writes one INFO record with its own text and source file when its grid
// cannot be made; a logger above INFO gets nothing; the page fails either way.
template <class List, class Object>
void ExpectLoggedFailure(Object* object, const std::string& message, const std::string& file) {
    {
        LogCapture log(log4cplus::INFO_LOG_LEVEL);
        Unshown<List> page(object);
        EXPECT_EQ(page.Fill(), -1);
        ASSERT_EQ(log.records().size(), 1u) << message;
        EXPECT_EQ(log.records()[0].message, message);
        EXPECT_EQ(log.records()[0].level, log4cplus::INFO_LOG_LEVEL);
        EXPECT_NE(log.records()[0].file.find("ProfilelineProp/" + file + "."), std::string::npos)
            << log.records()[0].file;
    }
    LogCapture quiet(log4cplus::WARN_LOG_LEVEL);
    Unshown<List> page(object);
    EXPECT_EQ(page.Fill(), -1);
    EXPECT_TRUE(quiet.records().empty());
}

TEST(ProfileCreator, PagesWhoseGridCannotBeMadeAreLogged) {
    SampleGraph g;
    ExpectLoggedFailure<CPlLayerLine>(&g.entity, "创建CPlLayerLine属性页错误:", "profilelineprop");
    ExpectLoggedFailure<CPlLayerData>(&g.entity, "创建CPlLayerData属性页错误:", "dataprop");
    ExpectLoggedFailure<CPlLayerWellName>(&g.entity, "创建CPlLayerWellName属性页错误:", "wellnameprop");
    ExpectLoggedFailure<CPlLayerWellSymbol>(&g.entity, "创建CPlLayerWellSymbol属性页错误:", "wellsymbolprop");
    ExpectLoggedFailure<CPlWellLabelProperty>(g.Label(0), "创建CPlWellLabelProperty属性页错误:",
                                              "wellnameproperty");
    LogCapture log(log4cplus::INFO_LOG_LEVEL);
    Unshown<CLstCnProfile> quiet(&g.entity);
    EXPECT_EQ(quiet.Fill(), -1);
    EXPECT_TRUE(log.records().empty()) << "the entity page logs nothing";
}

}  // namespace
