// Init against a fake host and the test modules "Graph" and "Layerforge", loaded by path the way
// a host loads them, so that the runtime finds them by bare name.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "demo/base/bound_modules.h"
#include "demo/runtime/demo_context.h"
#include "fake_modules.h"
#include "platform/module.h"
#include "tests/support/host_doubles.h"
#include "tests/support/test_files.h"

namespace {

// Taken before any test moves into its own folder: the modules lie beside the test binary.
const std::filesystem::path kBinFolder = std::filesystem::current_path();

std::string ModulePath(const char* folder, const char* name) {
    return (kBinFolder / folder / (std::string(name) + platform::ModuleSuffix())).string();
}

const std::string kFakeGraph = ModulePath("runtime_fakes", "Graph");
const std::string kFakeGraphNoExport = ModulePath("runtime_fakes_noexport", "Graph");
const std::string kFakeLayerforge = ModulePath("runtime_fakes", "Layerforge");

const std::string kGraphNotLoaded = "ＤＬＬ【 Graph 】の読み込みに失敗しました";
const std::string kLayerforgeNotLoaded = "ＤＬＬ【 Layerforge 】の読み込みに失敗しました";

class Setup : public ::testing::Test {
protected:
    void TearDown() override {
        context.ReleaseAll();
        for (platform::ModuleHandle module : loaded) platform::UnloadModule(module);
    }

    platform::ModuleHandle Load(const std::string& path) {
        platform::ModuleHandle module = platform::LoadModule(path.c_str());
        EXPECT_NE(nullptr, module) << path;
        if (module != nullptr) loaded.push_back(module);
        return module;
    }
    FakeGraphState* LoadGraph() {
        auto control = reinterpret_cast<FakeGraphControlFn>(platform::FindExport(Load(kFakeGraph), "FakeGraphControl"));
        return control != nullptr ? control() : nullptr;
    }
    FakeLayerforgeState* LoadLayerforge() {
        auto control = reinterpret_cast<FakeLayerforgeControlFn>(
            platform::FindExport(Load(kFakeLayerforge), "FakeLayerforgeControl"));
        return control != nullptr ? control() : nullptr;
    }
    bool Init() { return context.Setup(&host, &host.loop, &host.clock); }

    ScopedWorkFolder folder;
    MessageCapture capture;
    FakeHost host;
    DemoContext context;
    std::vector<platform::ModuleHandle> loaded;
};

}  // namespace

TEST_F(Setup, MissingHostServicesFailSilently) {
    for (const Guid* id : {&guids::kHostWindow, &guids::kHostScreen, &guids::kHostSoundSource, &guids::kHostInput}) {
        FakeHost partial;
        partial.Withhold(*id);
        EXPECT_FALSE(context.Setup(&partial, &partial.loop, &partial.clock));
        EXPECT_EQ(nullptr, context.schedule);  // it fails before the schedule is built
    }
    EXPECT_FALSE(context.Setup(nullptr, &host.loop, &host.clock));
    EXPECT_FALSE(context.Setup(&host, nullptr, &host.clock));
    host.soundSource.sound = nullptr;
    EXPECT_FALSE(Init());
    host.soundSource.sound = &host.sound;
    host.sound.offerPosition = false;
    EXPECT_FALSE(Init());
    EXPECT_NE(nullptr, context.schedule);  // built before the sound step
    EXPECT_TRUE(capture.Texts().empty());
    EXPECT_FALSE(context.initialised);
}

TEST_F(Setup, ReadsTheMusicNumberBeforeBindingModules) {
    ASSERT_TRUE(WriteFile("Prelo.ini", "4\n"));
    EXPECT_FALSE(Init());  // no Graph loaded
    EXPECT_EQ(4, context.hostSound.musicNumber);
    ASSERT_EQ(1u, capture.Texts().size());
    EXPECT_EQ(kGraphNotLoaded, capture.Texts()[0]);
    EXPECT_EQ("Prelo.dll", capture.Captions()[0]);
}

TEST_F(Setup, GraphExportMissing) {
    Load(kFakeGraphNoExport);
    EXPECT_FALSE(Init());
    ASSERT_EQ(1u, capture.Texts().size());
    EXPECT_EQ("CreateInterfaceの取得に失敗しました", capture.Texts()[0]);
    EXPECT_EQ(nullptr, CurrentGraph());
}

TEST_F(Setup, GraphRefusalsAndAMissingGraphContext) {
    FakeGraphState* graph = LoadGraph();
    ASSERT_NE(nullptr, graph);
    graph->refuseInterface = true;
    EXPECT_FALSE(Init());
    ASSERT_EQ(1u, capture.Texts().size());
    EXPECT_EQ("CreateInterfaceに失敗しました", capture.Texts()[0]);

    graph->refuseInterface = false;
    graph->initializeResult = false;
    EXPECT_FALSE(Init());
    EXPECT_EQ(1u, capture.Texts().size());  // no message of its own
    EXPECT_EQ(0, graph->attachCalls);

    graph->initializeResult = true;
    host.Withhold(guids::kHostGraphContext);
    EXPECT_FALSE(Init());
    EXPECT_EQ(0, graph->attachCalls);  // never attached to nothing
    EXPECT_EQ(1u, capture.Texts().size());
    EXPECT_TRUE(GraphMultiplyTable().Empty());
}

TEST_F(Setup, BindsBothModulesAndBuildsTheTablesUpToTheArchive) {
    FakeGraphState* graph = LoadGraph();
    FakeLayerforgeState* layerforge = LoadLayerforge();
    ASSERT_NE(nullptr, graph);
    ASSERT_NE(nullptr, layerforge);
    EXPECT_FALSE(Init());  // no "Prelo.zpx" in the folder: the archive step fails, with its own message
    EXPECT_EQ(1, graph->initializeCalls);
    EXPECT_EQ(host.graphContext.context, graph->attachedContext);
    EXPECT_NE(nullptr, CurrentGraph());
    EXPECT_NE(nullptr, CurrentLayerforge());
    EXPECT_EQ(255, GraphScreenTable().At(255, 3));
    EXPECT_EQ(64, context.multiplyTable.At(128, 128));
    EXPECT_EQ(&host.unusedMarker, context.unusedService);
    EXPECT_STREQ("Graph", context.graph.name.Text());
    EXPECT_EQ(1u, capture.Texts().size());

    // Release keeps Layerforge bound and drops Graph with both process-wide tables.
    context.ReleaseAll();
    context.ReleaseAll();
    EXPECT_EQ(nullptr, CurrentGraph());
    EXPECT_TRUE(GraphMultiplyTable().Empty());
    EXPECT_TRUE(GraphScreenTable().Empty());
    EXPECT_TRUE(context.multiplyTable.Empty());
    EXPECT_NE(nullptr, CurrentLayerforge());
}

TEST_F(Setup, LayerforgeMissingShowsItsName) {
    LoadGraph();
    EXPECT_FALSE(Init());
    ASSERT_EQ(1u, capture.Texts().size());
    EXPECT_EQ(kLayerforgeNotLoaded, capture.Texts()[0]);
}

TEST_F(Setup, ASecondInitRebuildsFromScratch) {
    FakeGraphState* graph = LoadGraph();
    ASSERT_NE(nullptr, graph);
    LoadLayerforge();
    EXPECT_FALSE(Init());
    context.sceneTableA.Allocate(240, 320, 2);
    ASSERT_TRUE(context.AllocateSceneRows(10));
    context.sceneIndex = 11;
    EXPECT_FALSE(Init());
    EXPECT_EQ(-1, context.sceneIndex);
    EXPECT_TRUE(context.sceneTableA.Empty());
    EXPECT_EQ(nullptr, context.sceneRows);
    EXPECT_EQ(2, graph->initializeCalls);
    EXPECT_EQ(12, context.scheduleCount);
}
