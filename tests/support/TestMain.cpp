// Test main (also built for the platform alone, without the module): the module is loaded
// once for the program, and every test starts from a clean responder (no queued answers, no recorded boxes),
// a fresh stamp counter, and every host-library stand-in reset to its defaults.
#include <gtest/gtest.h>

#include "driver/Responder.h"
#include "mfc/Module.h"
#include "mfc/Profile.h"
#ifndef TSL_TEST_PLATFORM_ONLY
#include "framework/ModuleEntry.h"
#include "resources/ModuleResources.h"
#include "support/ModuleFixture.h"
#endif
#ifndef TSL_TEST_PLATFORM_ONLY
#include "hostlibs/Halyard/Testing.h"
#include "hostlibs/Harrow/HarrowTesting.h"
#include "hostlibs/Lodestar/Testing.h"
#include "hostlibs/Moraine/MoraineTesting.h"
#include "hostlibs/Osprey/WellDataTesting.h"
#include "hostlibs/Parsnip/ParsnipTesting.h"
#include "hostlibs/Pennant/Testing.h"
#include "hostlibs/Spindle/Testing.h"
#include "hostlibs/Tamarind/Testing.h"
#include "hostlibs/Thistle/ThistleTesting.h"
#include "hostlibs/Zephyr/ZephyrTesting.h"
#include "hosttypes/Kestrel/KestrelTesting.h"
#include "hosttypes/Oriel/OrielTesting.h"
#include "hosttypes/Sorrel/TemplateManager.h"
#include "hosttypes/Tinder/TimeStamp.h"
#endif
#include "mfc/Dc.h"
#include "mfc/Wnd.h"

namespace {

#ifndef TSL_TEST_PLATFORM_ONLY
HINSTANCE g_image = nullptr;

class ModuleLoad : public ::testing::Environment {
    void SetUp() override {
        g_image = LoadTessalyImage();
        ASSERT_EQ(TessalyDllMain(g_image, DLL_PROCESS_ATTACH, nullptr), 1);
    }
    void TearDown() override {
        TessalyDllMain(g_image, DLL_PROCESS_DETACH, nullptr);
        platform::UnloadModuleImage(g_image);
    }
};
#endif

class PlatformReset : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        platform::Responder::Instance().Reset();
        platform::ClearPaintedCalls();
        platform::ResetModuleHooks();
        platform::ProfileStore::Instance().Reset();
#ifndef TSL_TEST_PLATFORM_ONLY
        tinder::testing::ResetTimeStamp();
        sorrel::testing::Reset();
        parsnip::testing::Reset();
        kestrel::testing::Reset();
        oriel::testing::Reset();
        halyard::testing::Reset();
        harrow::testing::Reset();
        moraine::testing::Reset();
        pennant::testing::Reset();
        lodestar::testing::Reset();
        zephyr::testing::Reset();
        thistle::testing::Reset();
        spindle::testing::Reset();
        tamarind::testing::Reset();
        osprey::testing::ResetWellDataManager();
#endif
    }
};

}  // namespace

#ifndef TSL_TEST_PLATFORM_ONLY
namespace tsltest {
HINSTANCE ModuleImage() { return g_image; }
}  // namespace tsltest
#endif

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
#ifndef TSL_TEST_PLATFORM_ONLY
    ::testing::AddGlobalTestEnvironment(new ModuleLoad);
#endif
    ::testing::UnitTest::GetInstance()->listeners().Append(new PlatformReset);
    return RUN_ALL_TESTS();
}
