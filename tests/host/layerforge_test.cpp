#include "host/layerforge/layerforge.h"

#include <gtest/gtest.h>

namespace {

TEST(Layerforge, RowsArePaddedToFourBytesAndStartZeroed) {
    host::Layerforge factory;
    const int32_t expectedPitch[] = {4, 8, 12, 12, 16};
    const int32_t expectedAlphaPitch[] = {4, 4, 4, 4, 8};
    for (int32_t width = 1; width <= 5; ++width) {
        ISurface* s = factory.CreateSurfaceWithAlpha(width, 3, 24);
        ASSERT_NE(nullptr, s);
        EXPECT_EQ(1, s->Identify());
        EXPECT_EQ(width, s->Width());
        EXPECT_EQ(3, s->Height());
        EXPECT_EQ(24, s->Depth());
        EXPECT_TRUE(s->HasPixels());
        EXPECT_TRUE(s->IsHostOwned());
        EXPECT_EQ(expectedPitch[width - 1], s->Pitch());
        EXPECT_EQ(expectedAlphaPitch[width - 1], s->AlphaPitch());
        uint8_t* base = s->PixelAt(0, 0);
        uint8_t* alpha = s->AlphaAt(0, 0);
        EXPECT_EQ(base + 2 * s->Pitch() + (width - 1) * 3, s->PixelAt(width - 1, 2));
        EXPECT_EQ(alpha + 2 * s->AlphaPitch() + (width - 1), s->AlphaAt(width - 1, 2));
        for (int32_t i = 0; i < s->Pitch() * 3; ++i) ASSERT_EQ(0, base[i]);
        for (int32_t i = 0; i < s->AlphaPitch() * 3; ++i) ASSERT_EQ(0, alpha[i]);
        s->Release();
    }
}

TEST(Layerforge, PlainAndMaskSurfacesHaveOnlyTheirPlane) {
    host::Layerforge factory;
    ISurface* plain = factory.CreateSurface(7, 2, 24);
    ASSERT_NE(nullptr, plain);
    EXPECT_NE(nullptr, plain->PixelAt(0, 0));
    EXPECT_EQ(nullptr, plain->AlphaAt(0, 0));
    EXPECT_EQ(0, plain->AlphaPitch());
    plain->Release();

    ISurface* mask = factory.CreateMaskSurface(7, 2);
    ASSERT_NE(nullptr, mask);
    EXPECT_FALSE(mask->HasPixels());
    EXPECT_EQ(nullptr, mask->PixelAt(0, 0));
    EXPECT_EQ(0, mask->Pitch());
    EXPECT_EQ(8, mask->AlphaPitch());
    EXPECT_EQ(8, mask->Depth());
    EXPECT_NE(nullptr, mask->AlphaAt(6, 1));
    mask->Release();
}

TEST(Layerforge, RefusesBadSizesDepthsAndOutsideCoordinates) {
    host::Layerforge factory;
    EXPECT_EQ(nullptr, factory.CreateSurface(0, 10, 24));
    EXPECT_EQ(nullptr, factory.CreateSurface(10, -1, 24));
    EXPECT_EQ(nullptr, factory.CreateSurface(10, 10, 16));
    EXPECT_EQ(nullptr, factory.CreateSurfaceWithAlpha(10, 10, 32));
    EXPECT_EQ(nullptr, factory.CreateMaskSurface(-5, 5));
    EXPECT_EQ(nullptr, factory.CreateSurface(0x40000000, 0x40000000, 24));

    ISurface* s = factory.CreateSurfaceWithAlpha(4, 4, 24);
    ASSERT_NE(nullptr, s);
    EXPECT_EQ(nullptr, s->PixelAt(4, 0));
    EXPECT_EQ(nullptr, s->PixelAt(0, -1));
    EXPECT_EQ(nullptr, s->AlphaAt(-1, 0));
    EXPECT_EQ(nullptr, s->AlphaAt(0, 4));
    s->Release();
}

}  // namespace
