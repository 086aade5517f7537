// The real module, loaded from disk and reached only through its export, as a host reaches it.
#include "platform/module.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "interfaces/graph.h"
#include "interfaces/guids.h"
#include "interfaces/module_export.h"
#include "kernel_params.h"
#include "pixmill/reference.h"
#include "testkit/test_surface.h"

namespace {

#if defined(_WIN32)
constexpr const char* kModulePath = "Pixmill.dll";
#else
constexpr const char* kModulePath = "./Pixmill.so";
#endif

void SetForceBaseline(bool force) {
#if defined(_WIN32)
    _putenv(force ? "PIXMILL_FORCE_BASELINE=1" : "PIXMILL_FORCE_BASELINE=");
#else
    if (force)
        setenv("PIXMILL_FORCE_BASELINE", "1", 1);
    else
        unsetenv("PIXMILL_FORCE_BASELINE");
#endif
}

class PixmillModule : public ::testing::Test {
protected:
    void SetUp() override {
        module = platform::LoadModule(kModulePath);
        ASSERT_NE(nullptr, module) << kModulePath;
        createInterface = reinterpret_cast<CreateInterfaceFn>(platform::FindExport(module, "CreateInterface"));
        ASSERT_NE(nullptr, createInterface);
    }
    void TearDown() override {
        SetForceBaseline(false);
        if (module != nullptr) platform::UnloadModule(module);
    }

    platform::ModuleHandle module = nullptr;
    CreateInterfaceFn createInterface = nullptr;
};

TEST_F(PixmillModule, AnswersItsOwnGuidWithOneObject) {
    void* first = createInterface(&guids::kPixmill);
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(first, createInterface(&guids::kPixmill));
    const unsigned char layout[16] = {0x60, 0xDF, 0xBE, 0x6F, 0x09, 0xFD, 0xD4, 0x11,
                                      0xAD, 0x65, 0x00, 0xC0, 0xF6, 0xB0, 0xE9, 0xBE};
    Guid fromBytes;
    std::memcpy(&fromBytes, layout, 16);
    EXPECT_EQ(first, createInterface(&fromBytes));
    IGraph* graph = static_cast<IGraph*>(first);
    EXPECT_EQ(1, graph->Identify());
    EXPECT_EQ(0, graph->Reserved1());
}

TEST_F(PixmillModule, RefusesEveryOtherGuid) {
    EXPECT_EQ(nullptr, createInterface(nullptr));
    EXPECT_EQ(nullptr, createInterface(&guids::kGraph));
    EXPECT_EQ(nullptr, createInterface(&guids::kLayerforge));
    for (int32_t byte = 0; byte < 16; ++byte) {
        for (unsigned char flip : {0x01, 0x80}) {
            Guid wrong = guids::kPixmill;
            reinterpret_cast<unsigned char*>(&wrong)[byte] ^= flip;
            EXPECT_EQ(nullptr, createInterface(&wrong)) << "byte " << byte << " flipped by " << int{flip};
        }
    }
}

// The module draws exactly the reference bytes, on its own choice of kernels and on the
// baseline ones forced through the environment.
TEST_F(PixmillModule, DrawsReferenceBytesOnChosenAndBaselineKernels) {
    IGraph* graph = static_cast<IGraph*>(createInterface(&guids::kPixmill));
    ASSERT_NE(nullptr, graph);
    for (bool forceBaseline : {false, true}) {
        SetForceBaseline(forceBaseline);
        ASSERT_TRUE(graph->Initialize());
        std::mt19937 random(forceBaseline ? 21 : 22);
        for (int32_t round = 0; round < 30; ++round) {
            const int32_t w = 1 + static_cast<int32_t>(random() % 300);
            const int32_t h = 1 + static_cast<int32_t>(random() % 4);
            const int32_t sx = static_cast<int32_t>(random() % 8);
            const int32_t dx = static_cast<int32_t>(random() % 8);
            TestSurface src(w + 8, h + 1, TestSurface::Drawing(true, static_cast<int32_t>(random() % 17)));
            TestSurface dst(w + 8, h + 1, TestSurface::Drawing(false, static_cast<int32_t>(random() % 17)));
            TestSurface expected(w + 8, h + 1, TestSurface::Drawing(false, dst.Pitch() - 3 * (w + 8)));
            src.FillRandom(random, true);
            std::mt19937 fill(round);
            dst.FillRandom(fill, true);
            std::mt19937 fillAgain(round);
            expected.FillRandom(fillAgain, true);
            pixmill::PixelJob job{expected.PixelAt(dx, 1),
                                  expected.Pitch(),
                                  src.PixelAt(sx, 0),
                                  src.Pitch(),
                                  src.AlphaAt(sx, 0),
                                  src.AlphaPitch(),
                                  w,
                                  h};
            const int32_t alpha = static_cast<int32_t>(random() % 512);
            switch (round % 3) {
                case 0:
                    graph->Copy(&dst, dx, 1, &src, sx, 0, w, h);
                    pixmill::reference::Copy(job);
                    break;
                case 1:
                    graph->BlendConst(&dst, dx, 1, &src, sx, 0, w, h, alpha);
                    pixmill::reference::BlendConst(pixmill_test::SharedBlendTable(), job, alpha);
                    break;
                default:
                    graph->BlendAlpha(&dst, dx, 1, &src, sx, 0, w, h);
                    pixmill::reference::BlendAlpha(pixmill_test::SharedBlendTable(), job);
                    break;
            }
            ASSERT_EQ(expected.Pixels(), dst.Pixels())
                << "round " << round << (forceBaseline ? " on forced baseline" : " on chosen kernels");
        }
    }
}

}  // namespace
