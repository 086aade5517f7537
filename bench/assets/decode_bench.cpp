// Decoding speed of archive pictures and movie frames at the demo's screen size.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <string>
#include <vector>

#include "demo/assets/cg_link_file.h"
#include "demo/assets/movie_file.h"
#include "demo/base/bound_modules.h"
#include "interfaces/layerforge.h"
#include "platform/byte_writer.h"
#include "platform/message_box.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;

class PlainSurface final : public ISurface {
public:
    PlainSurface(int32_t width, int32_t height, bool pixels, bool alpha) : width_(width) {
        if (pixels) pixels_.resize(static_cast<size_t>(width) * height * 3);
        if (alpha) alpha_.resize(static_cast<size_t>(width) * height);
        height_ = height;
    }
    int32_t Identify() override { return 1; }
    int32_t Release() override {
        delete this;
        return 0;
    }
    uint8_t* PixelAt(int32_t x, int32_t y) override {
        return pixels_.data() + (static_cast<size_t>(y) * width_ + x) * 3;
    }
    uint8_t* AlphaAt(int32_t x, int32_t y) override { return alpha_.data() + static_cast<size_t>(y) * width_ + x; }
    int32_t Width() override { return width_; }
    int32_t Height() override { return height_; }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return width_ * 3; }
    int32_t AlphaPitch() override { return width_; }
    bool HasPixels() override { return !pixels_.empty(); }
    bool IsHostOwned() override { return true; }

private:
    int32_t width_;
    int32_t height_ = 0;
    std::vector<uint8_t> pixels_;
    std::vector<uint8_t> alpha_;
};

class PlainLayerforge final : public ILayerforge {
public:
    void Reserved0() override {}
    void Reserved1() override {}
    ISurface* CreateSurfaceWithAlpha(int32_t w, int32_t h, int32_t) override {
        return new PlainSurface(w, h, true, true);
    }
    ISurface* CreateSurface(int32_t w, int32_t h, int32_t) override { return new PlainSurface(w, h, true, false); }
    ISurface* CreateMaskSurface(int32_t w, int32_t h) override { return new PlainSurface(w, h, false, true); }
};

void Write(const std::string& name, const Bytes& bytes) {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

Bytes Pms(uint8_t depth, const Bytes& stream) {
    Bytes out = {'P', 'M', 1, 0, 0, 0, depth};
    out.resize(24, 0);
    platform::AppendLe32(out, kWidth);
    platform::AppendLe32(out, kHeight);
    platform::AppendLe32(out, 40);
    platform::AppendLe32(out, 0);
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}

// Every pixel a literal colour: the slowest stream per pixel.
Bytes LiteralColours() {
    Bytes stream;
    uint32_t seed = 1;
    for (int i = 0; i < kWidth * kHeight; ++i) {
        seed = seed * 1103515245u + 12345u;
        stream.push_back(static_cast<uint8_t>((seed >> 16) % 0xF8));
        stream.push_back(static_cast<uint8_t>(seed >> 24));
    }
    return stream;
}

// A first row of fills, then rows that copy the row above in long runs: what flat art gives.
Bytes RunsAndCopies(bool eightBit) {
    Bytes stream;
    const int fillBias = eightBit ? 4 : 3, copyBias = eightBit ? 3 : 2;
    for (int x = 0; x < kWidth; x += 160) {
        stream.insert(stream.end(), {0xFD, static_cast<uint8_t>(160 - fillBias), 0x21});
        if (!eightBit) stream.push_back(0x84);
    }
    for (int y = 1; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; x += 160) stream.insert(stream.end(), {0xFF, static_cast<uint8_t>(160 - copyBias)});
    }
    return stream;
}

Bytes Bmp() {
    Bytes out = {'B', 'M'};
    out.resize(10, 0);
    platform::AppendLe32(out, 54);
    platform::AppendLe32(out, 40);
    platform::AppendLe32(out, kWidth);
    platform::AppendLe32(out, kHeight);
    out.insert(out.end(), {1, 0, 24, 0});
    out.resize(54 + kWidth * kHeight * 3, 0x5A);
    return out;
}

Bytes Archive(const Bytes& picture) {
    Bytes out = {'Z', 'P', 'X', '0'};
    platform::AppendLe32(out, 1);
    platform::AppendLe32(out, 16);
    platform::AppendLe32(out, static_cast<uint32_t>(picture.size()));
    out.insert(out.end(), picture.begin(), picture.end());
    return out;
}

void LoadPicture(benchmark::State& state, const Bytes& picture) {
    platform::SetMessageEcho(false);
    PlainLayerforge factory;
    CurrentLayerforge() = &factory;
    Write("assets_bench.zpx", Archive(picture));
    CgLinkFile archive;
    if (!archive.Open("assets_bench.zpx")) {
        state.SkipWithError("archive did not open");
        return;
    }
    SurfaceRef holder;
    for (auto _ : state) {
        if (!archive.LoadCg(0, holder)) state.SkipWithError("picture did not load");
        benchmark::DoNotOptimize(holder.Get());
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
    holder.Release();
    CurrentLayerforge() = nullptr;
    std::remove("assets_bench.zpx");
}

void PmsLiteralColours(benchmark::State& state) { LoadPicture(state, Pms(16, LiteralColours())); }
void PmsColourRunsAndCopies(benchmark::State& state) { LoadPicture(state, Pms(16, RunsAndCopies(false))); }
void PmsMaskRunsAndCopies(benchmark::State& state) { LoadPicture(state, Pms(8, RunsAndCopies(true))); }
void Bmp24(benchmark::State& state) { LoadPicture(state, Bmp()); }

void MovieFrame(benchmark::State& state) {
    platform::SetMessageEcho(false);
    // A full-size frame of soft gradients, as a movie picture compresses.
    Bytes payload;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) payload.push_back(static_cast<uint8_t>((x / 3 + y / 2 + (x * y) % 7)));
    for (int k = 0; k < 1024; ++k) payload.push_back(static_cast<uint8_t>(k));
    uLongf packedSize = compressBound(static_cast<uLong>(payload.size()));
    Bytes packed(packedSize);
    compress2(packed.data(), &packedSize, payload.data(), static_cast<uLong>(payload.size()), 9);
    packed.resize(packedSize);
    Bytes file = {'M', 'O', 'Z', '1'};
    platform::AppendLe32(file, 1);
    file.resize(20, 0);
    platform::AppendLe32(file, 28);
    platform::AppendLe32(file, static_cast<uint32_t>(packed.size()));
    file.insert(file.end(), packed.begin(), packed.end());
    Write("assets_bench.moz", file);
    MovieFile movie;
    if (!movie.OpenFiles(nullptr, "assets_bench.moz", "assets_bench.moz")) {
        state.SkipWithError("movie did not open");
        return;
    }
    for (auto _ : state) {
        if (!movie.DecodeFrame(0)) state.SkipWithError("frame did not decode");
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
    movie.Close();
    std::remove("assets_bench.moz");
}

// Every frame of the sample set's full-size movie in turn, as the movie scene decodes them: the
// figure to hold under 1.5 ms a frame.
void SampleMovieFrames(benchmark::State& state) {
    const std::string path = std::string(PRELO_SAMPLE_ASSETS_DIR) + "/Prelo.moz";
    MovieFile movie;
    if (!movie.OpenFiles(nullptr, path.c_str(), path.c_str())) {
        state.SkipWithError("no sample movie (build the sample set)");
        return;
    }
    int32_t frame = 0;
    for (auto _ : state) {
        if (!movie.DecodeFrame(frame)) state.SkipWithError("frame did not decode");
        frame = (frame + 1) % movie.FrameCount();
    }
    state.SetItemsProcessed(state.iterations());
    movie.Close();
}

}  // namespace

BENCHMARK(SampleMovieFrames)->Unit(benchmark::kMillisecond);
BENCHMARK(PmsLiteralColours)->Unit(benchmark::kMillisecond);
BENCHMARK(PmsColourRunsAndCopies)->Unit(benchmark::kMillisecond);
BENCHMARK(PmsMaskRunsAndCopies)->Unit(benchmark::kMillisecond);
BENCHMARK(Bmp24)->Unit(benchmark::kMillisecond);
BENCHMARK(MovieFrame)->Unit(benchmark::kMillisecond);
