#include <gtest/gtest.h>

#include "framework/ChangeCheckers.h"
#include "framework/ModuleEntry.h"
#include "framework/WndProp.h"
#include "hosttypes/Oriel/ScObjInterface.h"
#include "hosttypes/Parsnip/QXLayer.h"
#include "mfc/Dc.h"
#include "mfc/Module.h"
#include "resources/ModuleResources.h"
#include "support/ModuleFixture.h"

namespace {

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
