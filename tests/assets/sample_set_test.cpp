// Every picture of the generated archive and every frame of both generated movies decode, found
// by the names the demo opens them with (the test runs in the sample set's folder).
#include <gtest/gtest.h>

#include <cstring>

#include "asset_test_support.h"
#include "demo/assets/cg_link_file.h"
#include "demo/assets/movie_file.h"
#include "demo/base/bound_modules.h"
#include "guarded_surfaces.h"

namespace {

TEST(SampleSet, EveryArchivePictureDecodes) {
    platform::SetMessageEcho(false);
    HeapLayerforge factory{kGuardedLayout};
    CurrentLayerforge() = &factory;
    CgLinkFile archive;
    ASSERT_TRUE(archive.Open("Prelo.zpx"));
    ASSERT_GT(archive.EntryCount(), 0u);
    SurfaceRef holder;
    for (uint32_t i = 0; i < archive.EntryCount(); ++i) {
        ASSERT_TRUE(archive.LoadCg(static_cast<int32_t>(i), holder)) << "picture " << i;
        EXPECT_TRUE(static_cast<HeapSurface*>(holder.Get())->GuardsIntact()) << "picture " << i;
    }
    holder.Release();
    EXPECT_EQ(0, factory.liveSurfaces);
    EXPECT_TRUE(TakeMessages().empty());
    CurrentLayerforge() = nullptr;
}

// Before each frame the palette rows and the pending palette are poisoned; a frame that inflates
// cleanly overwrites the rows and installs them, a damaged one would leave the poison pending.
void ExpectEveryFrameDecodesCleanly(MovieFile& movie) {
    ASSERT_GT(movie.FrameCount(), 0);
    DibSurface& dib = movie.Surface();
    const Bytes poison(1024, 0xEE);
    for (int32_t frame = 0; frame < movie.FrameCount(); ++frame) {
        uint8_t* paletteRows = dib.PixelAt(0, movie.Height());
        std::memcpy(paletteRows, poison.data(), poison.size());
        dib.SetPalette(0, 256, poison.data());
        ASSERT_TRUE(movie.DecodeFrame(frame)) << "frame " << frame;
        ASSERT_NE(0, std::memcmp(paletteRows, poison.data(), poison.size())) << "frame " << frame;
        ASSERT_EQ(0, std::memcmp(paletteRows, dib.Palette(), poison.size())) << "frame " << frame;
    }
    EXPECT_TRUE(TakeMessages().empty());
}

TEST(SampleSet, EveryFrameOfTheFullMovieDecodes) {
    MovieFile movie;
    ASSERT_TRUE(movie.Open(nullptr));
    EXPECT_TRUE(movie.FullSize());
    ExpectEveryFrameDecodesCleanly(movie);
}

TEST(SampleSet, EveryFrameOfTheSmallMovieDecodes) {
    MovieFile movie;
    ASSERT_TRUE(movie.OpenFiles(nullptr, "no_full_size_movie_here.moz", "PreloM.moz"));
    EXPECT_FALSE(movie.FullSize());
    ExpectEveryFrameDecodesCleanly(movie);
}

}  // namespace
