#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/ChangeCheckers.h"
#include "framework/ModuleEntry.h"
#include "framework/ModuleFamilies.h"
#include "framework/WndProp.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "mfc/Dc.h"
#include "mfc/Module.h"
#include "resources/ModuleResources.h"
#include "support/ModuleFixture.h"

namespace {

// Two families of this program, joined (in this order) before the module is loaded.
std::vector<std::string>& Calls() {
    static std::vector<std::string> calls;
    return calls;
}
void StartFirst() { Calls().push_back("start first"); }
void StopFirst() { Calls().push_back("stop first"); }
void StartSecond() { Calls().push_back("start second"); }
void StopSecond() { Calls().push_back("stop second"); }
ModuleFamily g_first(StartFirst, StopFirst);
ModuleFamily g_second(StartSecond, StopSecond);

// Each test loads the module afresh: the program's own load is undone first and redone after.
class ModuleEntry : public ::testing::Test {
protected:
    void SetUp() override {
        TessalyDllMain(tsltest::ModuleImage(), DLL_PROCESS_DETACH, nullptr);
        image = LoadTessalyImage();
    }
    void TearDown() override {
        if (GetTessalyModuleHandle()) TessalyDllMain(image, DLL_PROCESS_DETACH, nullptr);
        platform::ResetModuleHooks();
        platform::UnloadModuleImage(image);
        TessalyDllMain(tsltest::ModuleImage(), DLL_PROCESS_ATTACH, nullptr);
    }
    HINSTANCE image = nullptr;
};

TEST_F(ModuleEntry, AttachKeepsTheHandleAndDetachClearsIt) {
    EXPECT_EQ(GetTessalyModuleHandle(), nullptr);
    const std::size_t chain = platform::DynLinkLibraryCount();
    ASSERT_EQ(TessalyDllMain(image, DLL_PROCESS_ATTACH, nullptr), 1);
    EXPECT_EQ(GetTessalyModuleHandle(), image);
    EXPECT_EQ(platform::DynLinkLibraryCount(), chain + 1);
    // The page template is found through the module's place in the resource chain.
    const platform::DialogTemplate* page = platform::FindDialogTemplateInChain(IDD_PROPPAGE_LIST);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->style, 0x48C00048u);
    EXPECT_EQ(page->cx, 111);
    EXPECT_EQ(page->cy, 200);
    EXPECT_NE(::LoadBitmap(GetTessalyModuleHandle(), 50011), nullptr);

    EXPECT_EQ(TessalyDllMain(image, DLL_THREAD_ATTACH, nullptr), 1);
    EXPECT_EQ(TessalyDllMain(image, DLL_PROCESS_DETACH, nullptr), 1);
    EXPECT_EQ(GetTessalyModuleHandle(), nullptr);
    EXPECT_EQ(platform::DynLinkLibraryCount(), chain);
    // An item that loads its bitmap through the module handle now gets none.
    EXPECT_EQ(::LoadBitmap(GetTessalyModuleHandle(), 50011), nullptr);
}

TEST_F(ModuleEntry, RefusedInitialisationRefusesTheLoad) {
    platform::SetExtensionModuleRefusal(true);
    const std::size_t chain = platform::DynLinkLibraryCount();
    EXPECT_EQ(TessalyDllMain(image, DLL_PROCESS_ATTACH, nullptr), 0);
    EXPECT_EQ(GetTessalyModuleHandle(), nullptr);
    EXPECT_EQ(platform::DynLinkLibraryCount(), chain);
}

TEST_F(ModuleEntry, LoadStartsTheFamiliesInOrderAndUnloadStopsThemNewestFirst) {
    Calls().clear();
    EXPECT_FALSE(AreModuleFamiliesStarted());
    ASSERT_EQ(TessalyDllMain(image, DLL_PROCESS_ATTACH, nullptr), 1);
    EXPECT_TRUE(AreModuleFamiliesStarted());
    EXPECT_EQ(Calls(), (std::vector<std::string>{"start first", "start second"}));
    Calls().clear();
    EXPECT_EQ(TessalyDllMain(image, DLL_PROCESS_DETACH, nullptr), 1);
    EXPECT_FALSE(AreModuleFamiliesStarted());
    EXPECT_EQ(Calls(), (std::vector<std::string>{"stop second", "stop first"}));
    // A second unload stops nothing twice.
    Calls().clear();
    TessalyDllMain(image, DLL_PROCESS_DETACH, nullptr);
    EXPECT_TRUE(Calls().empty());
}

TEST_F(ModuleEntry, RefusedLoadStartsNoFamily) {
    Calls().clear();
    platform::SetExtensionModuleRefusal(true);
    EXPECT_EQ(TessalyDllMain(image, DLL_PROCESS_ATTACH, nullptr), 0);
    EXPECT_FALSE(AreModuleFamiliesStarted());
    EXPECT_TRUE(Calls().empty());
}

void StartLate() { Calls().push_back("start late"); }
void StopLate() { Calls().push_back("stop late"); }

TEST(ModuleFamilies, FamilyJoiningAfterLoadStartsAtOnceAndStopsFirst) {
    ASSERT_TRUE(AreModuleFamiliesStarted());
    Calls().clear();
    static ModuleFamily late(StartLate, StopLate);
    EXPECT_EQ(Calls(), std::vector<std::string>{"start late"});
    Calls().clear();
    StopModuleFamilies();
    StartModuleFamilies();
    EXPECT_EQ(Calls(), (std::vector<std::string>{"stop late", "stop second", "stop first", "start first",
                                                  "start second", "start late"}));
}

class StampedPane : public CWndProp {};

TEST(ChangeCheckers, AnswerTrueThenFalseAndCopyTheStamp) {
    ScObjInterface object;
    object.SetTimeStamp(10);
    StampedPane pane;
    EXPECT_TRUE(CProChangedChecker(&object, &pane)());
    EXPECT_EQ(pane.GetTimeStamp(), 10u);
    EXPECT_FALSE(CProChangedChecker(&object, &pane)());
    object.SetTimeStamp(11);
    EXPECT_TRUE(ScProChangedChecker(&object, &pane)());
    EXPECT_FALSE(ScProChangedChecker(&object, &pane)());
    EXPECT_EQ(pane.GetTimeStamp(), 11u);
}

TEST(ChangeCheckers, ObjectStampedAllOnesLooksUnchangedToAFreshPane) {
    ScObjInterface object;
    object.SetTimeStamp(~uint64_t{0});
    StampedPane pane;
    EXPECT_FALSE(CProChangedChecker(&object, &pane)());
}

TEST(ChangeCheckers, LayerCheckerFollowsTheLayerStamp) {
    CQXLayer layer;
    StampedPane pane;
    EXPECT_TRUE(CLayerChangedChecker(&layer, &pane)());
    EXPECT_FALSE(CLayerChangedChecker(&layer, &pane)());
    layer.ProChanged();
    EXPECT_TRUE(CLayerChangedChecker(&layer, &pane)());
    EXPECT_EQ(pane.GetTimeStamp(), layer.GetTimeStamp());
}

}  // namespace
