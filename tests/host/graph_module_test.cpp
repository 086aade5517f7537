// The two drawing modules loaded as a host loads them, and asked for their interfaces by GUID.
#include <gtest/gtest.h>

#include <string>

#include "interfaces/graph.h"
#include "interfaces/guids.h"
#include "interfaces/layerforge.h"
#include "interfaces/module_export.h"
#include "platform/module.h"

namespace {

std::string NextToTest(const char* name) {
#if defined(_WIN32)
    return std::string(name) + platform::ModuleSuffix();
#else
    return std::string("./") + name + platform::ModuleSuffix();
#endif
}

class LoadedModule {
public:
    explicit LoadedModule(const char* name) : handle_(platform::LoadModule(NextToTest(name).c_str())) {}
    ~LoadedModule() { platform::UnloadModule(handle_); }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    CreateInterfaceFn Create() const {
        return reinterpret_cast<CreateInterfaceFn>(platform::FindExport(handle_, "CreateInterface"));
    }
    bool Loaded() const { return handle_ != nullptr; }

private:
    platform::ModuleHandle handle_;
};

TEST(DrawingModules, AnswerOnlyTheirOwnGuid) {
    LoadedModule graphModule("Graph");
    LoadedModule layerforgeModule("Layerforge");
    ASSERT_TRUE(graphModule.Loaded());
    ASSERT_TRUE(layerforgeModule.Loaded());
    CreateInterfaceFn createGraph = graphModule.Create();
    CreateInterfaceFn createLayerforge = layerforgeModule.Create();
    ASSERT_NE(nullptr, createGraph);
    ASSERT_NE(nullptr, createLayerforge);

    EXPECT_EQ(nullptr, createGraph(nullptr));
    EXPECT_EQ(nullptr, createGraph(&guids::kLayerforge));
    EXPECT_EQ(nullptr, createGraph(&guids::kPixmill));
    EXPECT_EQ(nullptr, createLayerforge(&guids::kGraph));

    auto* graph = static_cast<IGraph*>(createGraph(&guids::kGraph));
    ASSERT_NE(nullptr, graph);
    EXPECT_EQ(graph, createGraph(&guids::kGraph));
    EXPECT_TRUE(graph->Initialize());

    auto* factory = static_cast<ILayerforge*>(createLayerforge(&guids::kLayerforge));
    ASSERT_NE(nullptr, factory);
    ISurface* a = factory->CreateSurface(4, 4, 24);
    ISurface* b = factory->CreateSurface(4, 4, 24);
    ASSERT_NE(nullptr, a);
    ASSERT_NE(nullptr, b);
    graph->FillRect(a, 0, 0, 4, 4, 255, 128, 1);
    graph->Copy(b, 0, 0, a, 0, 0, 4, 4);
    EXPECT_EQ(1, b->PixelAt(3, 3)[0]);
    EXPECT_EQ(128, b->PixelAt(3, 3)[1]);
    EXPECT_EQ(255, b->PixelAt(3, 3)[2]);
    a->Release();
    b->Release();
}

}  // namespace
