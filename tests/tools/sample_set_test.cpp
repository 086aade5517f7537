#include "sample_set.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "demo/assets/cg_link_file.h"
#include "demo/base/bound_modules.h"
#include "demo/base/surface_ref.h"
#include "demo/scenes/scene_pictures.h"
#include "reference_pms_decoder.h"
#include "tests/support/heap_surfaces.h"

namespace {

namespace cg = scene_pictures;

std::vector<uint8_t> ReadPath(const std::string& path) {
    std::vector<uint8_t> bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return bytes;
    uint8_t block[65536];
    size_t n;
    while ((n = std::fread(block, 1, sizeof block, file)) > 0) bytes.insert(bytes.end(), block, block + n);
    std::fclose(file);
    return bytes;
}

std::vector<uint8_t> ReadFile(const std::string& name) {
    return ReadPath(std::string(PRELO_SAMPLE_ASSETS_DIR) + "/" + name);
}

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}

enum class Planes { Colour, ColourWithAlpha, Shape, Any };

struct Picture {
    bool bmp = false;
    int32_t width = 0, height = 0;
    bool colour = false, alpha = false, shape = false;  // which planes hold decoded data
};

// What the scenes need of each picture they load.
struct Need {
    int32_t index;
    Planes planes;
    int32_t minWidth, minHeight, maxWidth, maxHeight;
};

const Need kNeeds[] = {
    {cg::kOpening, Planes::Colour, 784, 624, 4096, 4096},            // shown from (128, 128), rippled 15 pixels beyond
    {cg::exposure::kClosing, Planes::Colour, 640, 480, 640, 480},    // copied whole to the screen and wiped by columns
    {cg::exposure::kTurning, Planes::Colour, 476, 476, 4096, 4096},  // turned about its centre: a radius of 238
    {cg::exposure::kFirstCaption, Planes::Shape, 1, 1, 640, 480},
    {cg::exposure::kThirdCaption, Planes::Shape, 1, 1, 640, 480},
    {cg::exposure::kSecondCaption, Planes::Shape, 1, 1, 640, 480},
    {cg::backdrop::kStrip, Planes::Colour, 1, 1, 640, 100},           // centred in the 100-row bottom bar
    {cg::backdrop::kBackdrop, Planes::Colour, 640, 481, 4096, 4096},  // panned: taller than the screen
    {cg::backdrop::kStripeTile, Planes::Colour, 1, 1, 640, 480},      // the striped overlay's tile
    {cg::backdrop::kOverlay, Planes::ColourWithAlpha, 640, 480, 640, 480},
    {cg::backdrop::kCaptions[0], Planes::Shape, 1, 1, 440, 120},
    {cg::backdrop::kCaptions[1], Planes::Shape, 1, 1, 440, 120},
    {cg::backdrop::kCaptions[2], Planes::Shape, 1, 1, 440, 120},
    {cg::zoom_title::kTitle, Planes::Shape, 1, 1, 510, 480},          // the red title, from x = 130
    {cg::zoom_title::kWashShape, Planes::Any, 640, 480, 640, 480},    // the wash goes through its shape
    {cg::zoom_title::kZoomed, Planes::Colour, 640, 400, 4096, 4096},  // the zoom starts at the band's own corners
    {cg::zoom_title::kUnused, Planes::Any, 1, 1, 4096, 4096},
    {cg::zoom_title::kSide, Planes::ColourWithAlpha, 1, 161, 640, 480},  // its rows 80 .. h - 80 tint the band
    {cg::zoom_title::kCaptions[0], Planes::Shape, 1, 1, 640, 480},
    {cg::zoom_title::kCaptions[1], Planes::Shape, 1, 1, 640, 480},
    {cg::spin::kStripOverlay, Planes::ColourWithAlpha, 1, 1, 640, 480},
    {cg::spin::kStripPattern, Planes::Colour, 1, 1, 640, 480},
    {cg::spin::kRight, Planes::Colour, 1, 1, 259, 480},       // copied at x = 381
    {cg::spin::kColumnTile, Planes::Colour, 1, 1, 640, 479},  // the column tile: under 480 rows
    {cg::spin::kSpunLower, Planes::Colour, 1, 1, 640, 480},
    {cg::spin::kSpunUpper, Planes::Colour, 1, 1, 640, 480},
    {cg::spin::kScreenOverlay, Planes::ColourWithAlpha, 640, 480, 640, 480},
    {cg::spin::kCaptions[0], Planes::Shape, 1, 1, 640, 480},
    {cg::spin::kCaptions[1], Planes::Shape, 1, 1, 640, 480},
    {cg::reveal::kColumnTile, Planes::Colour, 1, 1, 160, 480},
    {cg::reveal::kBottomShape, Planes::Shape, 1, 1, 640, 480},
    {cg::reveal::kRevealed, Planes::Colour, 640, 480, 4096, 4096},  // its bottom r rows stretched over the screen
    {cg::reveal::kEdgeOverlay, Planes::ColourWithAlpha, 1, 1, 640, 480},
    {cg::reveal::kTitle, Planes::Shape, 1, 1, 464, 480},
    {cg::tunnel::kTexture, Planes::Colour, 256, 256, 256, 256},  // the tunnel texture, read modulo 256
    {cg::tunnel::kCentred, Planes::ColourWithAlpha, 1, 1, 640, 480},
    {cg::tunnel::kLeft, Planes::ColourWithAlpha, 1, 1, 640, 480},
    {cg::tunnel::kRight, Planes::ColourWithAlpha, 1, 1, 640, 480},
    {cg::collage::kLeft, Planes::ColourWithAlpha, 1, 1, 640, 480},
    {cg::collage::kRight, Planes::ColourWithAlpha, 1, 1, 640, 480},
    {cg::collage::kBackground, Planes::ColourWithAlpha, 640, 480, 640, 480},
    {cg::collage::kShrinkingFrame, Planes::Shape, 1, 1, 4096, 4096},  // the frame laid over the screen in white
    {cg::collage::kZoomBack, Planes::Colour, 640, 480, 4096, 4096},
    {cg::collage::kZoomFront, Planes::Colour, 640, 480, 4096, 4096},
    {cg::collage::kOpening, Planes::Colour, 640, 480, 4096, 4096},
    {cg::closing::kClosing, Planes::Colour, 1, 1, 640, 480},     // centred on the screen
    {cg::closing::kTall, Planes::Colour, 640, 481, 4096, 4096},  // scrolled: taller than the screen
};

class SampleSet : public testing::Test {
protected:
    static void SetUpTestSuite() { archive_ = new std::vector<uint8_t>(ReadFile("Prelo.zpx")); }
    static void TearDownTestSuite() {
        delete archive_;
        archive_ = nullptr;
    }

    static bool Load(int32_t index, Picture* out) {
        const std::vector<uint8_t>& a = *archive_;
        if (a.size() < 8 || static_cast<uint32_t>(index) >= Read32(a, 4)) return false;
        const uint32_t offset = Read32(a, 8 + 8 * index), size = Read32(a, 12 + 8 * index);
        if (offset > a.size() || size > a.size() - offset || size < 2) return false;
        const uint8_t* p = a.data() + offset;
        if (p[0] == 'B' && p[1] == 'M') {
            const std::vector<uint8_t> header(p, p + std::min<uint32_t>(size, 54));
            if (header.size() < 54 || header[28] != 24) return false;
            out->bmp = true;
            out->width = static_cast<int32_t>(Read32(header, 18));
            out->height = static_cast<int32_t>(Read32(header, 22));
            const uint64_t rows = static_cast<uint64_t>((3 * out->width + 3) & ~3) * out->height;
            out->colour = Read32(header, 10) + rows <= size;
            return out->colour;
        }
        reference::DecodedPms d;
        if (!reference::DecodePms(p, size, &d)) return false;
        out->width = d.width;
        out->height = d.height;
        out->colour = d.depth == 16;
        out->alpha = d.hasAlpha;
        out->shape = d.depth == 8;
        return true;
    }

    static std::vector<uint8_t>* archive_;
};
std::vector<uint8_t>* SampleSet::archive_ = nullptr;

TEST_F(SampleSet, ArchiveHoldsEveryPictureTheScenesLoadWithTheirSizesAndPlanes) {
    ASSERT_GE(archive_->size(), 8u) << "no archive in " << PRELO_SAMPLE_ASSETS_DIR;
    EXPECT_EQ(std::memcmp(archive_->data(), "ZPX0", 4), 0);
    EXPECT_EQ(Read32(*archive_, 4), static_cast<uint32_t>(samples::kArchiveEntries));
    for (const int32_t index : cg::kLoaded) {
        const bool listed =
            std::any_of(std::begin(kNeeds), std::end(kNeeds), [&](const Need& n) { return n.index == index; });
        EXPECT_TRUE(listed) << "CG " << index << " is loaded by a scene but not checked here";
    }
    for (const Need& need : kNeeds) {
        SCOPED_TRACE(testing::Message() << "CG " << need.index);
        Picture p;
        ASSERT_TRUE(Load(need.index, &p));
        EXPECT_GE(p.width, need.minWidth);
        EXPECT_GE(p.height, need.minHeight);
        EXPECT_LE(p.width, need.maxWidth);
        EXPECT_LE(p.height, need.maxHeight);
        switch (need.planes) {
            case Planes::Colour:
                EXPECT_TRUE(p.colour);
                break;
            case Planes::ColourWithAlpha:
                EXPECT_TRUE(p.colour && p.alpha && !p.bmp);
                break;
            case Planes::Shape:
                EXPECT_TRUE(p.shape || p.alpha);
                break;
            case Planes::Any:
                break;
        }
    }
}

TEST_F(SampleSet, TitleFitsBesideTheTileColumnAndEveryFormatOccurs) {
    Picture title, column;
    ASSERT_TRUE(Load(cg::reveal::kTitle, &title));
    ASSERT_TRUE(Load(cg::reveal::kColumnTile, &column));
    EXPECT_LE(title.width, 560 - column.width);
    bool bmp = false, colour = false, alpha = false, shape = false;
    for (int32_t i = 0; i < samples::kArchiveEntries; ++i) {
        Picture p;
        ASSERT_TRUE(Load(i, &p)) << "CG " << i;
        bmp |= p.bmp;
        colour |= p.colour && !p.bmp && !p.alpha;
        alpha |= p.alpha;
        shape |= p.shape;
    }
    EXPECT_TRUE(bmp && colour && alpha && shape);
}

// Every picture, loaded by the demo's own archive and picture loader, holds exactly what the
// reference decoder reads from the same bytes (or, for a bitmap, its rows turned top-down).
TEST_F(SampleSet, DemoLoaderReadsEveryPictureAsWritten) {
    // Rows padded as a host's may be; nothing larger than the demo's pictures could be.
    HeapLayerforge factory{HeapLayout{.rowPadding = 7}, int64_t{8192} * 8192};
    CurrentLayerforge() = &factory;
    CgLinkFile archive;
    const std::string path = std::string(PRELO_SAMPLE_ASSETS_DIR) + "/Prelo.zpx";
    ASSERT_TRUE(archive.Open(path.c_str()));
    for (int32_t index = 0; index < samples::kArchiveEntries; ++index) {
        SCOPED_TRACE(testing::Message() << "CG " << index);
        SurfaceRef holder;
        ASSERT_TRUE(archive.LoadCg(index, holder));
        ISurface& s = *holder.Get();
        const std::vector<uint8_t>& a = *archive_;
        const uint32_t offset = Read32(a, 8 + 8 * index), size = Read32(a, 12 + 8 * index);
        const uint8_t* p = a.data() + offset;
        const int32_t w = s.Width(), h = s.Height();
        if (p[0] == 'B') {
            const uint32_t rows = Read32(a, offset + 10), stride = (3 * w + 3) & ~3;
            for (int32_t y = 0; y < h; ++y)
                ASSERT_EQ(std::memcmp(s.PixelAt(0, y), p + rows + (h - 1 - y) * stride, 3 * w), 0) << "row " << y;
            continue;
        }
        reference::DecodedPms expected;
        ASSERT_TRUE(reference::DecodePms(p, size, &expected));
        ASSERT_EQ(w, expected.width);
        ASSERT_EQ(h, expected.height);
        const bool hasPixels = expected.depth == 16;
        ASSERT_EQ(s.PixelAt(0, 0) != nullptr, hasPixels);
        ASSERT_EQ(s.AlphaAt(0, 0) != nullptr, expected.depth == 8 || expected.hasAlpha);
        for (int32_t y = 0; y < h; ++y) {
            if (hasPixels) {
                ASSERT_EQ(std::memcmp(s.PixelAt(0, y), expected.pixels.data() + 3 * w * y, 3 * w), 0) << "row " << y;
            }
            const std::vector<uint8_t>& plane = hasPixels ? expected.alpha : expected.pixels;
            if (!plane.empty()) {
                ASSERT_EQ(std::memcmp(s.AlphaAt(0, y), plane.data() + w * y, w), 0) << "row " << y;
            }
        }
    }
    archive.Close();
    CurrentLayerforge() = nullptr;
    EXPECT_EQ(factory.liveSurfaces, 0);
}

// The set doubles as test data for the picture decoders: every opcode of both streams occurs.
TEST_F(SampleSet, PicturesUseEveryOpcodeOfBothStreams) {
    std::set<uint8_t> colour, bytes;
    const std::vector<uint8_t>& a = *archive_;
    for (int32_t index = 0; index < samples::kArchiveEntries; ++index) {
        const uint32_t offset = Read32(a, 8 + 8 * index), size = Read32(a, 12 + 8 * index);
        const uint8_t* p = a.data() + offset;
        if (p[0] != 'P') continue;
        const std::vector<uint8_t> header(p, p + 40);
        const int32_t w = static_cast<int32_t>(Read32(header, 24)), h = static_cast<int32_t>(Read32(header, 28));
        const uint32_t main = Read32(header, 32), aux = Read32(header, 36);
        auto collect = [](std::set<uint8_t>& into, const std::vector<uint8_t>& ops) {
            for (uint8_t op : ops) into.insert(op < 0xF8 ? 0x00 : op);
        };
        if (p[6] == 16) {
            collect(colour, reference::ColourOpcodes(p + main, size - main, w, h));
            if (aux != 0) collect(bytes, reference::ByteOpcodes(p + aux, size - aux, w, h));
        } else {
            collect(bytes, reference::ByteOpcodes(p + main, size - main, w, h));
        }
    }
    EXPECT_EQ(colour, (std::set<uint8_t>{0x00, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF}));
    // 0xF9 to 0xFB of the 8-bit stream write nothing, so an encoder never needs them.
    EXPECT_EQ(bytes, (std::set<uint8_t>{0x00, 0xF8, 0xFC, 0xFD, 0xFE, 0xFF}));
}

void CheckMovie(const std::vector<uint8_t>& movie, int32_t width, int32_t height) {
    ASSERT_GE(movie.size(), 20u);
    EXPECT_EQ(std::memcmp(movie.data(), "MOZ1", 4), 0);
    const uint32_t frames = Read32(movie, 4);
    // Smooth over the 43-second window: at least 12 frames a second.
    EXPECT_GE(frames, 43u * 12);
    ASSERT_GE(movie.size(), 20u + 8ull * frames);
    const size_t payloadSize = static_cast<size_t>(width) * height + 1024;
    std::vector<uint8_t> payload(payloadSize), previousPalette;
    size_t paletteChanges = 0;
    for (uint32_t i = 0; i < frames; ++i) {
        const uint32_t offset = Read32(movie, 20 + 8 * i), size = Read32(movie, 24 + 8 * i);
        ASSERT_LE(static_cast<uint64_t>(offset) + size, movie.size()) << "frame " << i;
        uLongf length = static_cast<uLongf>(payloadSize);
        ASSERT_EQ(uncompress(payload.data(), &length, movie.data() + offset, size), Z_OK) << "frame " << i;
        ASSERT_EQ(length, payloadSize) << "frame " << i;
        const std::vector<uint8_t> palette(payload.end() - 1024, payload.end());
        paletteChanges += palette != previousPalette;
        previousPalette = palette;
    }
    EXPECT_GT(paletteChanges, frames / 2) << "frames carry palettes of their own";
}

TEST(SampleMovies, EveryFrameInflatesToPictureAndPalette) {
    CheckMovie(ReadFile("Prelo.moz"), 640, 480);
    CheckMovie(ReadFile("PreloM.moz"), 240, 180);
}

TEST(SampleMusic, PcmLongerThanTheTimeline) {
    const std::vector<uint8_t> wav = ReadFile("Vuvi01.wav");
    ASSERT_GE(wav.size(), 44u);
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(wav.data() + 36, "data", 4), 0);
    EXPECT_EQ(wav[20] | wav[21] << 8, 1);   // PCM
    EXPECT_EQ(wav[34] | wav[35] << 8, 16);  // bits
    const uint64_t lengthMs = static_cast<uint64_t>(Read32(wav, 40)) * 1000 / Read32(wav, 28);
    EXPECT_GE(lengthMs, 124634u);
    EXPECT_EQ(Read32(wav, 40), wav.size() - 44);
    // Not silence: the middle second has a real signal.
    int32_t peak = 0;
    for (size_t at = 44 + 2 * 22050 * 60; at < 44 + 2 * 22050 * 61; at += 2)
        peak = std::max(peak, std::abs(static_cast<int16_t>(wav[at] | wav[at + 1] << 8)));
    EXPECT_GT(peak, 4000);
}

TEST(SampleSettings, MusicNumberTwo) {
    const std::vector<uint8_t> ini = ReadFile("Prelo.ini");
    EXPECT_EQ(std::atoi(std::string(ini.begin(), ini.end()).c_str()), 2);
}

// A second run of the generator, into a folder of its own, must write the same bytes.
TEST(SampleSetGeneration, IsDeterministic) {
    char folder[] = "/tmp/prelo-samples-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string command = std::string("'") + PRELO_SAMPLE_GENERATOR + "' " + folder;
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name : {"Prelo.zpx", "Prelo.moz", "PreloM.moz", "Vuvi01.wav", "Prelo.ini"}) {
        const std::string again = std::string(folder) + "/" + name;
        const std::vector<uint8_t> bytes = ReadPath(again);
        std::remove(again.c_str());
        EXPECT_FALSE(bytes.empty()) << name;
        EXPECT_TRUE(bytes == ReadFile(name)) << name;
    }
    rmdir(folder);
}

}  // namespace
