// The shipped library itself, loaded as a host loads it, called through its four exports.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/module.h"
#include "tests/support/host_doubles.h"
#include "tests/support/test_files.h"

namespace {

using InitFn = void (*)(IHostServices*, IHostLoop*, IHostClock*, uint16_t*);
using FlagFn = bool (*)(int32_t);
using RunFn = void (*)();

const std::filesystem::path kBinFolder = std::filesystem::current_path();

class Exports : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string path = (kBinFolder / (std::string("Prelo") + platform::ModuleSuffix())).string();
        module = platform::LoadModule(path.c_str());
        ASSERT_NE(nullptr, module) << path;
        init = reinterpret_cast<InitFn>(platform::FindExport(module, "Init"));
        setKeyCancel = reinterpret_cast<FlagFn>(platform::FindExport(module, "SetKeyCancelFlag"));
        setLoop = reinterpret_cast<FlagFn>(platform::FindExport(module, "SetLoopFlag"));
        run = reinterpret_cast<RunFn>(platform::FindExport(module, "Run"));
        ASSERT_NE(nullptr, init);
        ASSERT_NE(nullptr, setKeyCancel);
        ASSERT_NE(nullptr, setLoop);
        ASSERT_NE(nullptr, run);
    }
    void TearDown() override {
        if (module != nullptr) platform::UnloadModule(module);
    }

    ScopedWorkFolder folder;
    MessageCapture capture;
    FakeHost host;
    platform::ModuleHandle module = nullptr;
    InitFn init = nullptr;
    FlagFn setKeyCancel = nullptr;
    FlagFn setLoop = nullptr;
    RunFn run = nullptr;
};

}  // namespace

TEST_F(Exports, FlagSettersAnswerWhatTheyStored) {
    EXPECT_TRUE(setKeyCancel(2));
    EXPECT_FALSE(setKeyCancel(0));
    EXPECT_TRUE(setKeyCancel(-1));
    EXPECT_FALSE(setLoop(0));
    EXPECT_TRUE(setLoop(1));
}

TEST_F(Exports, InitWithoutInputFailsSilentlyAndRunThenDoesNothing) {
    host.Withhold(guids::kHostInput);
    uint16_t result = 0xFFFF;
    init(&host, &host.loop, &host.clock, &result);
    EXPECT_EQ(0, result);
    EXPECT_TRUE(capture.Texts().empty());
    run();
    run();
    EXPECT_TRUE(host.input.calls.empty());
    EXPECT_EQ(0, host.loop.keepRunningCalls);
    EXPECT_EQ(0, host.sound.startCalls);
}

TEST_F(Exports, InitWithoutGraphNamesTheModule) {
    ASSERT_TRUE(WriteFile("Prelo.ini", "6"));
    uint16_t result = 0xFFFF;
    init(&host, &host.loop, &host.clock, &result);
    EXPECT_EQ(0, result);
    ASSERT_EQ(1u, capture.Texts().size());
    EXPECT_EQ("ＤＬＬ【 Graph 】の読み込みに失敗しました", capture.Texts()[0]);
    EXPECT_EQ("Prelo.dll", capture.Captions()[0]);
    run();
    EXPECT_EQ(0, host.sound.startCalls);
    EXPECT_EQ(0, host.sound.preparedNumber);
}
