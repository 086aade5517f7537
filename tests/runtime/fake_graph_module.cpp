// A stand-in for the host's "Graph" module: counts the calls the runtime makes and lets a test
// decide what CreateInterface and Initialize answer. Built twice, once without the export.
#include "fake_modules.h"
#include "interfaces/graph_base.h"
#include "interfaces/guids.h"
#include "interfaces/module_export.h"

namespace {

FakeGraphState state;

class FakeGraph final : public GraphBase {
public:
    bool Initialize() override {
        ++state.initializeCalls;
        return state.initializeResult;
    }
    void Attach(void* graphContext) override {
        ++state.attachCalls;
        state.attachedContext = graphContext;
    }
    void FillRect(ISurface*, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) override {
        ++state.fillRectCalls;
    }
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
