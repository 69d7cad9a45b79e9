// The shared module as a host loads and unloads it: dlopen maps it and runs its load entry,
// dlclose stops its families, leaves the resource chain, drops its image and unmaps it, so a
// second load starts from a fresh copy.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <link.h>

#include <cstring>
#include <string>

#include "mfc/Module.h"

namespace {

using HandleQuery = HINSTANCE (*)();
using StartedQuery = bool (*)();

// What the module answers while its image is being dropped (its code is still mapped then).
struct UnloadSeen {
    HINSTANCE image = nullptr;
    int count = 0;
    bool familiesStarted = true;
};
UnloadSeen g_seen;
StartedQuery g_startedQuery = nullptr;

void OnImageUnload(HINSTANCE image) {
    g_seen.image = image;
    ++g_seen.count;
    g_seen.familiesStarted = g_startedQuery ? g_startedQuery() : true;
}

// One load of the module: its exported queries looked up by their (C++) names.
struct LoadedModule {
    void* library = nullptr;
    HandleQuery moduleHandle = nullptr;
    StartedQuery familiesStarted = nullptr;

    explicit LoadedModule(const char* path) : library(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
        if (!library) return;
        moduleHandle = reinterpret_cast<HandleQuery>(dlsym(library, "_Z22GetTessalyModuleHandlev"));
        familiesStarted = reinterpret_cast<StartedQuery>(dlsym(library, "_Z24AreModuleFamiliesStartedv"));
    }
};

bool IsMapped(const char* path) {
    void* again = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (!again) return false;
    dlclose(again);  // NOLOAD took a reference of its own
    return true;
}

// Whether a library whose file name contains the text is mapped in the process.
bool LibraryMapped(const char* name) {
    struct Search {
        const char* name;
        bool found;
    } search{name, false};
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            auto* s = static_cast<Search*>(data);
            if (info->dlpi_name && std::strstr(info->dlpi_name, s->name)) s->found = true;
            return 0;
        },
        &search);
    return search.found;
}

class ModuleUnload : public ::testing::Test {
protected:
    void SetUp() override {
        g_seen = UnloadSeen{};
        platform::SetUnloadObserver(OnImageUnload);
    }
    void TearDown() override {
        platform::SetUnloadObserver(nullptr);
        g_startedQuery = nullptr;
    }

    // Loads the module, checks what the load set up and unloads it again; answers the image
    // handle the load had.
    HINSTANCE LoadAndUnload() {
        const std::size_t chain = platform::DynLinkLibraryCount();
        LoadedModule module(kPath);
        if (!module.library) {
            ADD_FAILURE() << dlerror();
            return nullptr;
        }
        EXPECT_NE(module.moduleHandle, nullptr);
        EXPECT_NE(module.familiesStarted, nullptr);
        if (!module.moduleHandle || !module.familiesStarted) {
            dlclose(module.library);
            return nullptr;
        }
        const HINSTANCE image = module.moduleHandle();
        EXPECT_NE(image, nullptr);
        EXPECT_TRUE(platform::IsModuleLoaded(image));
        EXPECT_TRUE(module.familiesStarted());
        EXPECT_EQ(platform::DynLinkLibraryCount(), chain + 1);
        EXPECT_NE(platform::FindDialogTemplateInChain(7501), nullptr);  // the module's page template

        g_seen = UnloadSeen{};
        g_startedQuery = module.familiesStarted;
        EXPECT_EQ(dlclose(module.library), 0) << dlerror();
        g_startedQuery = nullptr;

        // The unload ran the module's detach: its families stopped before its image went.
        EXPECT_EQ(g_seen.count, 1);
        EXPECT_EQ(g_seen.image, image);
        EXPECT_FALSE(g_seen.familiesStarted);
        EXPECT_FALSE(platform::IsModuleLoaded(image));
        EXPECT_EQ(platform::DynLinkLibraryCount(), chain);
        EXPECT_EQ(platform::FindDialogTemplateInChain(7501), nullptr);
        // And the loader really let it go, but for the logging library: its worker threads run
        // on, so it must stay where they can run.
        EXPECT_FALSE(IsMapped(kPath)) << "the module stays mapped after its last dlclose";
        EXPECT_TRUE(LibraryMapped("liblog4cplus")) << "the logging library went with the module";
        return image;
    }

    static constexpr const char* kPath = TSL_MODULE_PATH;
};

TEST_F(ModuleUnload, UnloadStopsTheFamiliesAndUnmapsAndASecondLoadStartsAfresh) {
    ASSERT_FALSE(IsMapped(kPath));
    const HINSTANCE first = LoadAndUnload();
    ASSERT_NE(first, nullptr);
    // The second load is a new copy: a new image, its families started from scratch, and it
    // unloads the same way.
    const HINSTANCE second = LoadAndUnload();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
}

}  // namespace
