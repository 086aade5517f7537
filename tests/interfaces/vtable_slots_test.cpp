// Calls through raw vtable slots, as a module built by another compiler would, and checks that
// slot N reaches operation N with its arguments intact.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "interfaces/graph.h"
#include "interfaces/host.h"
#include "interfaces/layerforge.h"
#include "tests/support/raw_slots.h"

namespace {

struct Recorder {
    int slot = -1;
    std::vector<intptr_t> args;
    std::vector<float> floats;
    void Hit(int s, std::initializer_list<intptr_t> a) {
        slot = s;
        args.assign(a);
    }
};

#define HIT(n, ...) rec.Hit(n, {__VA_ARGS__})
#define P(x) reinterpret_cast<intptr_t>(x)

class RecordingGraph final : public IGraph {
public:
    Recorder rec;
    int32_t Identify() override {
        HIT(0);
        return 100;
    }
    int32_t Reserved1() override {
        HIT(1);
        return 101;
    }
    bool Initialize() override {
        HIT(2);
        return true;
    }
    void Attach(void* p) override { HIT(3, P(p)); }
    void Copy(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h) override {
        HIT(4, P(d), a, b, P(s), c, e, w, h);
    }
    void Unused5(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h) override {
        HIT(5, P(d), a, b, P(s), c, e, w, h);
    }
    void CopyLevel(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h,
                   int32_t l) override {
        HIT(6, P(d), a, b, P(s), c, e, w, h, l);
    }
    void BlendConst(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h,
                    int32_t l) override {
        HIT(7, P(d), a, b, P(s), c, e, w, h, l);
    }
    void Unused8(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h, int32_t x,
                 int32_t y) override {
        HIT(8, P(d), a, b, P(s), c, e, w, h, x, y);
    }
    void Unused9(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h) override {
        HIT(9, P(d), a, b, P(s), c, e, w, h);
    }
    void BlendAlpha(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w,
                    int32_t h) override {
        HIT(10, P(d), a, b, P(s), c, e, w, h);
    }
    void Unused11(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h) override {
        HIT(11, P(d), a, b, P(s), c, e, w, h);
    }
    void ShapeColor(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h,
                    int32_t r, int32_t g, int32_t bl) override {
        HIT(12, P(d), a, b, P(s), c, e, w, h, r, g, bl);
    }
    void ShapeColorLevel(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h,
                         int32_t r, int32_t g, int32_t bl, int32_t l) override {
        HIT(13, P(d), a, b, P(s), c, e, w, h, r, g, bl, l);
    }
    void BlendAlphaLevel(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h,
                         int32_t l) override {
        HIT(14, P(d), a, b, P(s), c, e, w, h, l);
    }
    void BlendLevel(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h,
                    int32_t l) override {
        HIT(15, P(d), a, b, P(s), c, e, w, h, l);
    }
    void Unused16(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h, int32_t x,
                  int32_t y) override {
        HIT(16, P(d), a, b, P(s), c, e, w, h, x, y);
    }
    void WashShape(ISurface* d, int32_t a, int32_t b, int32_t w, int32_t h, ISurface* s, int32_t c, int32_t e,
                   int32_t r, int32_t g, int32_t bl, int32_t l) override {
        HIT(17, P(d), a, b, w, h, P(s), c, e, r, g, bl, l);
    }
    void BlendOverlay(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w,
                      int32_t h) override {
        HIT(18, P(d), a, b, P(s), c, e, w, h);
    }
    void Unused19(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h) override {
        HIT(19, P(d), a, b, P(s), c, e, w, h);
    }
    void Unused20(ISurface* d, int32_t a, int32_t b, ISurface* s, int32_t c, int32_t e, int32_t w, int32_t h,
                  int32_t x) override {
        HIT(20, P(d), a, b, P(s), c, e, w, h, x);
    }
    void FillRect(ISurface* d, int32_t x, int32_t y, int32_t w, int32_t h, int32_t r, int32_t g, int32_t b) override {
        HIT(21, P(d), x, y, w, h, r, g, b);
    }
    void Unused22(ISurface* d, int32_t x, int32_t y, int32_t w, int32_t h, int32_t a) override {
        HIT(22, P(d), x, y, w, h, a);
    }
    void FillRectLevel(ISurface* d, int32_t x, int32_t y, int32_t w, int32_t h, int32_t r, int32_t g, int32_t b,
                       int32_t l) override {
        HIT(23, P(d), x, y, w, h, r, g, b, l);
    }
    void Unused24(ISurface* d, int32_t x, int32_t y, int32_t w, int32_t h, int32_t a, int32_t b, int32_t c) override {
        HIT(24, P(d), x, y, w, h, a, b, c);
    }
    void Unused25(ISurface* d, int32_t x, int32_t y, int32_t w, int32_t h, int32_t a, int32_t b, int32_t c) override {
        HIT(25, P(d), x, y, w, h, a, b, c);
    }
    void Unused26(ISurface* d, int32_t x, int32_t y, int32_t w, int32_t h, int32_t a, int32_t b, int32_t c) override {
        HIT(26, P(d), x, y, w, h, a, b, c);
    }
    void DimRect(ISurface* d, int32_t x, int32_t y, int32_t w, int32_t h, int32_t l) override {
        HIT(27, P(d), x, y, w, h, l);
    }
    void TileOffset(ISurface* d, int32_t a, int32_t b, int32_t dw, int32_t dh, ISurface* s, int32_t c, int32_t e,
                    int32_t sw, int32_t sh, int32_t ox, int32_t oy) override {
        HIT(28, P(d), a, b, dw, dh, P(s), c, e, sw, sh, ox, oy);
    }
    void TileOffsetLevel(ISurface* d, int32_t a, int32_t b, int32_t dw, int32_t dh, ISurface* s, int32_t c, int32_t e,
                         int32_t sw, int32_t sh, int32_t ox, int32_t oy, int32_t l) override {
        HIT(29, P(d), a, b, dw, dh, P(s), c, e, sw, sh, ox, oy, l);
    }
    void Unused30(ISurface* d, int32_t a, int32_t b, int32_t dw, int32_t dh, ISurface* s, int32_t c, int32_t e,
                  int32_t sw, int32_t sh) override {
        HIT(30, P(d), a, b, dw, dh, P(s), c, e, sw, sh);
    }
    void ZoomRect(ISurface* d, int32_t a, int32_t b, int32_t dw, int32_t dh, ISurface* s, float fx, float fy, float fw,
                  float fh, int32_t n) override {
        HIT(31, P(d), a, b, dw, dh, P(s), n);
        rec.floats = {fx, fy, fw, fh};
    }
    void Unused32(ISurface* d, int32_t a, int32_t b, int32_t dw, int32_t dh, ISurface* s, int32_t c, int32_t e,
                  int32_t sw, int32_t sh) override {
        HIT(32, P(d), a, b, dw, dh, P(s), c, e, sw, sh);
    }
};

using I = int32_t;
using S = ISurface*;

}  // namespace

TEST(GraphSlots, EachSlotReachesItsOperationWithItsArguments) {
    RecordingGraph graph;
    void* g = &graph;
    S d = reinterpret_cast<S>(0x1000);
    S s = reinterpret_cast<S>(0x2000);

    EXPECT_EQ(100, Slot<I(MEMBER_CALL*)(void*)>(g, 0)(g));
    EXPECT_EQ(101, Slot<I(MEMBER_CALL*)(void*)>(g, 1)(g));
    EXPECT_TRUE(Slot<bool(MEMBER_CALL*)(void*)>(g, 2)(g));
    EXPECT_EQ(2, graph.rec.slot);
    Slot<void(MEMBER_CALL*)(void*, void*)>(g, 3)(g, reinterpret_cast<void*>(0x77));
    EXPECT_EQ((std::vector<intptr_t>{0x77}), graph.rec.args);

    // The 8-, 9- and 10-argument picture operations share one shape: (dst, x, y, src, x, y, w, h, ...).
    using Copy8 = void(MEMBER_CALL*)(void*, S, I, I, S, I, I, I, I);
    using Copy9 = void(MEMBER_CALL*)(void*, S, I, I, S, I, I, I, I, I);
    using Copy10 = void(MEMBER_CALL*)(void*, S, I, I, S, I, I, I, I, I, I);
    for (int slot : {4, 5, 9, 10, 11, 18, 19}) {
        Slot<Copy8>(g, slot)(g, d, 1, 2, s, 3, 4, 5, 6);
        EXPECT_EQ(slot, graph.rec.slot);
        EXPECT_EQ((std::vector<intptr_t>{P(d), 1, 2, P(s), 3, 4, 5, 6}), graph.rec.args);
    }
    for (int slot : {6, 7, 14, 15, 20}) {
        Slot<Copy9>(g, slot)(g, d, 1, 2, s, 3, 4, 5, 6, 7);
        EXPECT_EQ(slot, graph.rec.slot);
        EXPECT_EQ((std::vector<intptr_t>{P(d), 1, 2, P(s), 3, 4, 5, 6, 7}), graph.rec.args);
    }
    for (int slot : {8, 16}) {
        Slot<Copy10>(g, slot)(g, d, 1, 2, s, 3, 4, 5, 6, 7, 8);
        EXPECT_EQ(slot, graph.rec.slot);
        EXPECT_EQ((std::vector<intptr_t>{P(d), 1, 2, P(s), 3, 4, 5, 6, 7, 8}), graph.rec.args);
    }
    Slot<void(MEMBER_CALL*)(void*, S, I, I, S, I, I, I, I, I, I, I)>(g, 12)(g, d, 1, 2, s, 3, 4, 5, 6, 255, 0, 9);
    EXPECT_EQ((std::vector<intptr_t>{P(d), 1, 2, P(s), 3, 4, 5, 6, 255, 0, 9}), graph.rec.args);
    Slot<void(MEMBER_CALL*)(void*, S, I, I, S, I, I, I, I, I, I, I, I)>(g, 13)(g, d, 1, 2, s, 3, 4, 5, 6, 7, 8, 9, 10);
    EXPECT_EQ(13, graph.rec.slot);
    EXPECT_EQ(10, graph.rec.args.back());
    Slot<void(MEMBER_CALL*)(void*, S, I, I, I, I, S, I, I, I, I, I, I)>(g, 17)(g, d, 1, 2, 3, 4, s, 5, 6, 7, 8, 9, 10);
    EXPECT_EQ((std::vector<intptr_t>{P(d), 1, 2, 3, 4, P(s), 5, 6, 7, 8, 9, 10}), graph.rec.args);

    using Fill7 = void(MEMBER_CALL*)(void*, S, I, I, I, I, I, I, I);
    for (int slot : {21, 24, 25, 26}) {
        Slot<Fill7>(g, slot)(g, d, 1, 2, 3, 4, 5, 6, 7);
        EXPECT_EQ(slot, graph.rec.slot);
        EXPECT_EQ((std::vector<intptr_t>{P(d), 1, 2, 3, 4, 5, 6, 7}), graph.rec.args);
    }
    for (int slot : {22, 27}) {
        Slot<void(MEMBER_CALL*)(void*, S, I, I, I, I, I)>(g, slot)(g, d, 1, 2, 3, 4, 5);
        EXPECT_EQ(slot, graph.rec.slot);
        EXPECT_EQ((std::vector<intptr_t>{P(d), 1, 2, 3, 4, 5}), graph.rec.args);
    }
    Slot<void(MEMBER_CALL*)(void*, S, I, I, I, I, I, I, I, I)>(g, 23)(g, d, 1, 2, 3, 4, 5, 6, 7, 8);
    EXPECT_EQ((std::vector<intptr_t>{P(d), 1, 2, 3, 4, 5, 6, 7, 8}), graph.rec.args);

    Slot<void(MEMBER_CALL*)(void*, S, I, I, I, I, S, I, I, I, I, I, I)>(g, 28)(g, d, 1, 2, 3, 4, s, 5, 6, 7, 8, -9, 10);
    EXPECT_EQ((std::vector<intptr_t>{P(d), 1, 2, 3, 4, P(s), 5, 6, 7, 8, -9, 10}), graph.rec.args);
    Slot<void(MEMBER_CALL*)(void*, S, I, I, I, I, S, I, I, I, I, I, I, I)>(g, 29)(g, d, 1, 2, 3, 4, s, 5, 6, 7, 8, 9,
                                                                                  10, 11);
    EXPECT_EQ((std::vector<intptr_t>{P(d), 1, 2, 3, 4, P(s), 5, 6, 7, 8, 9, 10, 11}), graph.rec.args);
    for (int slot : {30, 32}) {
        Slot<void(MEMBER_CALL*)(void*, S, I, I, I, I, S, I, I, I, I)>(g, slot)(g, d, 1, 2, 3, 4, s, 5, 6, 7, 8);
        EXPECT_EQ(slot, graph.rec.slot);
        EXPECT_EQ((std::vector<intptr_t>{P(d), 1, 2, 3, 4, P(s), 5, 6, 7, 8}), graph.rec.args);
    }

    Slot<void(MEMBER_CALL*)(void*, S, I, I, I, I, S, float, float, float, float, I)>(g, 31)(
        g, d, 0, 0, 640, 480, s, 0.5f, 1.25f, 639.0f, 479.0f, 16);
    EXPECT_EQ((std::vector<intptr_t>{P(d), 0, 0, 640, 480, P(s), 16}), graph.rec.args);
    EXPECT_EQ((std::vector<float>{0.5f, 1.25f, 639.0f, 479.0f}), graph.rec.floats);
}

namespace {

class FakeScreen final : public IHostScreen {
public:
    Recorder rec;
    int32_t Identify() override { return 1; }
    int32_t Release() override { return 2; }
    uint8_t* PixelAt(int32_t x, int32_t y) override { return reinterpret_cast<uint8_t*>(intptr_t{x * 1000 + y}); }
    uint8_t* AlphaAt(int32_t x, int32_t y) override { return reinterpret_cast<uint8_t*>(intptr_t{x * 2000 + y}); }
    int32_t Width() override { return 640; }
    int32_t Height() override { return 480; }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return 1920; }
    int32_t AlphaPitch() override { return 0; }
    bool HasPixels() override { return true; }
    bool IsHostOwned() override { return true; }
    void Present(int32_t x, int32_t y, int32_t w, int32_t h) override { HIT(11, x, y, w, h); }
};

class FakeLayerforge final : public ILayerforge {
public:
    Recorder rec;
    void Reserved0() override { HIT(0); }
    void Reserved1() override { HIT(1); }
    ISurface* CreateSurfaceWithAlpha(int32_t w, int32_t h, int32_t d) override {
        HIT(2, w, h, d);
        return nullptr;
    }
    ISurface* CreateSurface(int32_t w, int32_t h, int32_t d) override {
        HIT(3, w, h, d);
        return nullptr;
    }
    ISurface* CreateMaskSurface(int32_t w, int32_t h) override {
        HIT(4, w, h);
        return nullptr;
    }
};

}  // namespace

TEST(SurfaceSlots, ScreenSlotsInOrderWithPresentAtEleven) {
    FakeScreen screen;
    void* o = &screen;
    EXPECT_EQ(1, (Slot<I(MEMBER_CALL*)(void*)>(o, 0)(o)));
    EXPECT_EQ(2, (Slot<I(MEMBER_CALL*)(void*)>(o, 1)(o)));
    EXPECT_EQ(reinterpret_cast<uint8_t*>(intptr_t{3004}), (Slot<uint8_t*(MEMBER_CALL*)(void*, I, I)>(o, 2)(o, 3, 4)));
    EXPECT_EQ(reinterpret_cast<uint8_t*>(intptr_t{6004}), (Slot<uint8_t*(MEMBER_CALL*)(void*, I, I)>(o, 3)(o, 3, 4)));
    const int32_t expected[] = {640, 480, 24, 1920, 0};
    for (int slot = 4; slot <= 8; ++slot) EXPECT_EQ(expected[slot - 4], (Slot<I(MEMBER_CALL*)(void*)>(o, slot)(o)));
    EXPECT_TRUE((Slot<bool(MEMBER_CALL*)(void*)>(o, 9)(o)));
    EXPECT_TRUE((Slot<bool(MEMBER_CALL*)(void*)>(o, 10)(o)));
    Slot<void(MEMBER_CALL*)(void*, I, I, I, I)>(o, 11)(o, 0, 0, 640, 480);
    EXPECT_EQ((std::vector<intptr_t>{0, 0, 640, 480}), screen.rec.args);
}

TEST(SurfaceSlots, FactorySlotsTwoToFour) {
    FakeLayerforge factory;
    void* o = &factory;
    Slot<ISurface*(MEMBER_CALL*)(void*, I, I, I)>(o, 2)(o, 10, 20, 24);
    EXPECT_EQ(2, factory.rec.slot);
    EXPECT_EQ((std::vector<intptr_t>{10, 20, 24}), factory.rec.args);
    Slot<ISurface*(MEMBER_CALL*)(void*, I, I, I)>(o, 3)(o, 11, 21, 24);
    EXPECT_EQ(3, factory.rec.slot);
    Slot<ISurface*(MEMBER_CALL*)(void*, I, I)>(o, 4)(o, 12, 22);
    EXPECT_EQ((std::vector<intptr_t>{12, 22}), factory.rec.args);
}

namespace {

class FakeSound final : public IHostSound {
public:
    Recorder rec;
    void Reserved0() override { HIT(0); }
    void Reserved1() override { HIT(1); }
    bool Prepare(int32_t n) override {
        HIT(2, n);
        return true;
    }
    void Reserved3() override { HIT(3); }
    bool Start() override {
        HIT(4);
        return true;
    }
    bool Stop() override {
        HIT(5);
        return false;
    }
    void Reserved6() override { HIT(6); }
    void* QueryControl(const Guid* id) override {
        HIT(7, P(id));
        return this;
    }
};

class FakeInput final : public IHostInput {
public:
    Recorder rec;
    void Refresh() override { HIT(0); }
    void Poll() override { HIT(1); }
    void Reserved2() override { HIT(2); }
    bool IsPressed(int32_t key) override {
        HIT(3, key);
        return key == 0x20;
    }
};

}  // namespace

TEST(HostSlots, SoundAndInputSlots) {
    const Guid probe{};
    FakeSound sound;
    void* o = &sound;
    EXPECT_TRUE((Slot<bool(MEMBER_CALL*)(void*, I)>(o, 2)(o, 7)));
    EXPECT_EQ((std::vector<intptr_t>{7}), sound.rec.args);
    EXPECT_TRUE((Slot<bool(MEMBER_CALL*)(void*)>(o, 4)(o)));
    EXPECT_EQ(4, sound.rec.slot);
    EXPECT_FALSE((Slot<bool(MEMBER_CALL*)(void*)>(o, 5)(o)));
    EXPECT_EQ(&sound, (Slot<void*(MEMBER_CALL*)(void*, const Guid*)>(o, 7)(o, &probe)));
    EXPECT_EQ(7, sound.rec.slot);

    FakeInput input;
    void* i = &input;
    Slot<void(MEMBER_CALL*)(void*)>(i, 1)(i);
    EXPECT_EQ(1, input.rec.slot);
    Slot<void(MEMBER_CALL*)(void*)>(i, 0)(i);
    EXPECT_EQ(0, input.rec.slot);
    EXPECT_TRUE((Slot<bool(MEMBER_CALL*)(void*, I)>(i, 3)(i, 0x20)));
    EXPECT_FALSE((Slot<bool(MEMBER_CALL*)(void*, I)>(i, 3)(i, 0x1B)));
}
