// A stand-in for the host's "Graph" module: counts the calls the runtime makes and lets a test
// decide what CreateInterface and Initialize answer. Built twice, once without the export.
#include "fake_modules.h"
#include "interfaces/graph.h"
#include "interfaces/guids.h"
#include "interfaces/module_export.h"

namespace {

FakeGraphState state;

class FakeGraph final : public IGraph {
public:
    int32_t Identify() override { return 1; }
    int32_t Reserved1() override { return 0; }
    bool Initialize() override {
        ++state.initializeCalls;
        return state.initializeResult;
    }
    void Attach(void* graphContext) override {
        ++state.attachCalls;
        state.attachedContext = graphContext;
    }
    void Copy(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused5(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void CopyLevel(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void BlendConst(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused8(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t,
                 int32_t) override {}
    void Unused9(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void BlendAlpha(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused11(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void ShapeColor(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                    int32_t) override {}
    void ShapeColorLevel(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                         int32_t, int32_t) override {}
    void BlendAlphaLevel(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {
    }
    void BlendLevel(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused16(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t,
                  int32_t) override {}
    void WashShape(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t,
                   int32_t, int32_t) override {}
    void BlendOverlay(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused19(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused20(ISurface*, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void FillRect(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {
        ++state.fillRectCalls;
    }
    void Unused22(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void FillRectLevel(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused24(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused25(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void Unused26(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void DimRect(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t) override {}
    void TileOffset(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t,
                    int32_t, int32_t) override {}
    void TileOffsetLevel(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t, int32_t,
                         int32_t, int32_t, int32_t) override {}
    void Unused30(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t,
                  int32_t) override {}
    void ZoomRect(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, float, float, float, float,
                  int32_t) override {}
    void Unused32(ISurface*, int32_t, int32_t, int32_t, int32_t, ISurface*, int32_t, int32_t, int32_t,
                  int32_t) override {}
};

FakeGraph graph;

}  // namespace

MODULE_EXPORT FakeGraphState* FakeGraphControl() { return &state; }

#if !defined(FAKE_GRAPH_WITHOUT_EXPORT)
MODULE_EXPORT void* CreateInterface(const Guid* id) {
    ++state.createCalls;
    if (state.refuseInterface || id == nullptr || !(*id == guids::kGraph)) return nullptr;
    return static_cast<IGraph*>(&graph);
}
#endif
