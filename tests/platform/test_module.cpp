// Module images, the extension-module entry and the resource chain; dialog units; the
// in-memory profile store.
#include <gtest/gtest.h>

#include "mfc/Module.h"
#include "mfc/Profile.h"

namespace {

platform::DialogTemplate Template(UINT id, const char* caption) {
    platform::DialogTemplate t;
    t.id = id;
    t.caption = caption;
    t.cx = 100;
    t.cy = 50;
    return t;
}

class ModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        libraries_ = platform::DynLinkLibraryCount();
        module_ = platform::LoadModuleImage("PropModule");
        ASSERT_TRUE(platform::RegisterDialogTemplate(module_, Template(7501, "")));
    }
    void TearDown() override {
        AfxTermExtensionModule(record_, FALSE);
        platform::UnloadModuleImage(module_);
        platform::ResetModuleHooks();
        EXPECT_EQ(platform::DynLinkLibraryCount(), libraries_);
    }
    // What the module's entry does on process attach.
    bool Attach() {
        if (!AfxInitExtensionModule(record_, module_)) return false;
        new CDynLinkLibrary(record_, FALSE);
        return true;
    }

    std::size_t libraries_ = 0;
    HINSTANCE module_ = nullptr;
    AFX_EXTENSION_MODULE record_;
};

TEST(DialogUnits, ConvertWithFixedBaseUnitsRoundingToNearest) {
    EXPECT_EQ(platform::DluToPixelsX(111), 167);  // 166.5 rounds away from zero
    EXPECT_EQ(platform::DluToPixelsY(200), 325);
    EXPECT_EQ(platform::DluToPixelsX(-3), -5);  // -4.5
    EXPECT_EQ(platform::DluToPixelsY(1), 2);    // 1.625
    const RECT r = platform::DluRectToPixels(RECT{10, 8, 60, 22});
    EXPECT_EQ(r.left, 15);
    EXPECT_EQ(r.top, 13);
    EXPECT_EQ(r.right, 90);
    EXPECT_EQ(r.bottom, 36);  // 35.75
}

TEST_F(ModuleTest, AttachedModuleJoinsTheResourceChain) {
    EXPECT_EQ(platform::FindDialogTemplateInChain(7501), nullptr);  // not in the application's resources
    ASSERT_TRUE(Attach());
    EXPECT_EQ(record_.hModule, module_);
    EXPECT_EQ(platform::DynLinkLibraryCount(), libraries_ + 1);
    EXPECT_EQ(platform::FindDialogTemplateModule(7501), module_);
    const platform::DialogTemplate* t = platform::FindDialogTemplateInChain(7501);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->PixelSize().cx, 150);
    EXPECT_EQ(t->PixelSize().cy, 81);  // 81.25
}

TEST_F(ModuleTest, RefusedAttachLeavesNothingBehind) {
    platform::SetExtensionModuleRefusal(true);
    EXPECT_FALSE(Attach());
    EXPECT_FALSE(record_.bInitialized);
    EXPECT_EQ(record_.hModule, nullptr);
    EXPECT_EQ(platform::DynLinkLibraryCount(), libraries_);
    EXPECT_EQ(platform::FindDialogTemplateInChain(7501), nullptr);
    // A later load is accepted once the refusal is lifted.
    platform::SetExtensionModuleRefusal(false);
    EXPECT_TRUE(Attach());
}

TEST_F(ModuleTest, DetachFreesTheLibraryAndClearsTheRecord) {
    ASSERT_TRUE(Attach());
    AfxTermExtensionModule(record_, FALSE);
    EXPECT_EQ(platform::DynLinkLibraryCount(), libraries_);
    EXPECT_FALSE(record_.bInitialized);
    EXPECT_EQ(record_.hModule, nullptr);
    EXPECT_EQ(platform::FindDialogTemplateInChain(7501), nullptr);
    // The image itself is still loaded until the unload that follows the detach.
    EXPECT_TRUE(platform::IsModuleLoaded(module_));
}

TEST_F(ModuleTest, ResourceHandleComesFirstThenLibrariesInJoiningOrder) {
    HINSTANCE second = platform::LoadModuleImage("Second");
    ASSERT_TRUE(platform::RegisterDialogTemplate(second, Template(7501, "second")));
    ASSERT_TRUE(platform::RegisterDialogTemplate(module_, Template(7501, "first")));
    ASSERT_TRUE(Attach());
    AFX_EXTENSION_MODULE secondRecord;
    ASSERT_TRUE(AfxInitExtensionModule(secondRecord, second));
    new CDynLinkLibrary(secondRecord, FALSE);

    EXPECT_EQ(platform::FindDialogTemplateInChain(7501)->caption, "first");
    AfxTermExtensionModule(record_, FALSE);  // only this module's library leaves
    EXPECT_EQ(platform::FindDialogTemplateInChain(7501)->caption, "second");
    ASSERT_TRUE(Attach());
    AfxSetResourceHandle(second);
    EXPECT_EQ(platform::FindDialogTemplateInChain(7501)->caption, "second");
    platform::ResetModuleHooks();
    EXPECT_EQ(AfxGetResourceHandle(), AfxGetInstanceHandle());

    AfxTermExtensionModule(secondRecord, FALSE);
    platform::UnloadModuleImage(second);
}

TEST_F(ModuleTest, UnloadedImageHasNoResourcesAndItsHandleStaysInvalid) {
    ASSERT_TRUE(Attach());
    HINSTANCE stale = module_;
    platform::UnloadModuleImage(module_);
    EXPECT_FALSE(platform::IsModuleLoaded(stale));
    EXPECT_EQ(platform::FindDialogTemplate(stale, 7501), nullptr);
    EXPECT_EQ(platform::FindDialogTemplateInChain(7501), nullptr);  // its library is still in the chain
    EXPECT_FALSE(platform::RegisterDialogTemplate(stale, Template(7501, "")));
    HINSTANCE fresh = platform::LoadModuleImage("PropModule");
    EXPECT_NE(fresh, stale);
    platform::UnloadModuleImage(fresh);
}

TEST(Profile, KeepsEntriesPerProfileUntilReset) {
    platform::ProfileStore& store = platform::ProfileStore::Instance();
    store.Reset();
    store.WriteInts("CellTypesGrid", "ColumnWidths", {60, 75, -1});
    store.WriteInt("CellTypesGrid", "Columns", 3);
    store.WriteString("Other", "Name", "井");

    std::vector<int> widths;
    ASSERT_TRUE(store.ReadInts("CellTypesGrid", "ColumnWidths", widths));
    EXPECT_EQ(widths, (std::vector<int>{60, 75, -1}));
    int columns = 0;
    EXPECT_TRUE(store.ReadInt("CellTypesGrid", "Columns", columns));
    EXPECT_EQ(columns, 3);
    EXPECT_EQ(store.Entries("CellTypesGrid"), (std::vector<std::string>{"ColumnWidths", "Columns"}));

    // Entries of another kind or absent ones leave the out-parameters alone.
    int n = 42;
    EXPECT_FALSE(store.ReadInt("Other", "Name", n));
    EXPECT_FALSE(store.ReadInt("CellTypesGrid", "Missing", n));
    EXPECT_EQ(n, 42);
    EXPECT_FALSE(store.ReadInts("Other", "Name", widths));
    EXPECT_EQ(widths.size(), 3u);

    store.Reset();
    EXPECT_FALSE(store.HasProfile("CellTypesGrid"));
}

}  // namespace
