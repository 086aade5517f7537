#include "platform/module.h"

#include <gtest/gtest.h>

#if defined(_WIN32)

TEST(ModuleLookup, FindsLoadedSystemModuleAndItsExport) {
    platform::ModuleHandle kernel = platform::FindLoadedModule("kernel32");
    ASSERT_NE(nullptr, kernel);
    EXPECT_NE(nullptr, platform::FindExport(kernel, "GetTickCount"));
    EXPECT_EQ(nullptr, platform::FindExport(kernel, "NoSuchExport"));
    // A module that exists on disk but is not loaded is not found: lookup never loads.
    EXPECT_EQ(nullptr, platform::FindLoadedModule("winmm_not_loaded_here"));
}

#else

TEST(ModuleLookup, FindsOnlyModulesAlreadyLoaded) {
    EXPECT_EQ(nullptr, platform::FindLoadedModule("LookupProbe"));
    platform::ModuleHandle loaded = platform::LoadModule("./LookupProbe.so");
    ASSERT_NE(nullptr, loaded);
    platform::ModuleHandle found = platform::FindLoadedModule("LookupProbe");
    ASSERT_NE(nullptr, found);
    auto answer = reinterpret_cast<int (*)()>(platform::FindExport(found, "ProbeAnswer"));
    ASSERT_NE(nullptr, answer);
    EXPECT_EQ(42, answer());
    EXPECT_EQ(nullptr, platform::FindExport(found, "Missing"));
    platform::UnloadModule(loaded);
    EXPECT_EQ(nullptr, platform::FindLoadedModule("LookupProbe"));
}

#endif

TEST(ModuleLookup, NullNamesAreRefused) {
    EXPECT_EQ(nullptr, platform::FindLoadedModule(nullptr));
    EXPECT_EQ(nullptr, platform::FindExport(nullptr, "x"));
    EXPECT_EQ(nullptr, platform::LoadModule(nullptr));
}
