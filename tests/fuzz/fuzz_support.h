#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "interfaces/layerforge.h"
#include "interfaces/surface.h"
#include "platform/message_box.h"

// Surfaces with tightly packed planes in plain vectors: AddressSanitizer then catches any write
// past a plane's last row.
class FuzzSurface final : public ISurface {
public:
    FuzzSurface(int32_t width, int32_t height, bool pixels, bool alpha) : width_(width), height_(height) {
        if (pixels) pixels_.resize(static_cast<size_t>(width) * height * 3);
        if (alpha) alpha_.resize(static_cast<size_t>(width) * height);
    }
    int32_t Identify() override { return 1; }
    int32_t Release() override {
        delete this;
        return 0;
    }
    uint8_t* PixelAt(int32_t x, int32_t y) override {
        return pixels_.empty() ? nullptr : pixels_.data() + (static_cast<size_t>(y) * width_ + x) * 3;
    }
    uint8_t* AlphaAt(int32_t x, int32_t y) override {
        return alpha_.empty() ? nullptr : alpha_.data() + static_cast<size_t>(y) * width_ + x;
    }
    int32_t Width() override { return width_; }
    int32_t Height() override { return height_; }
    int32_t Depth() override { return 24; }
    int32_t Pitch() override { return width_ * 3; }
    int32_t AlphaPitch() override { return alpha_.empty() ? 0 : width_; }
    bool HasPixels() override { return !pixels_.empty(); }
    bool IsHostOwned() override { return true; }

private:
    int32_t width_;
    int32_t height_;
    std::vector<uint8_t> pixels_;
    std::vector<uint8_t> alpha_;
};

// Refuses what a real factory could not make either, so the fuzzer does not exhaust memory.
class FuzzLayerforge final : public ILayerforge {
public:
    void Reserved0() override {}
    void Reserved1() override {}
    ISurface* CreateSurfaceWithAlpha(int32_t width, int32_t height, int32_t) override {
        return Make(width, height, true, true);
    }
    ISurface* CreateSurface(int32_t width, int32_t height, int32_t) override {
        return Make(width, height, true, false);
    }
    ISurface* CreateMaskSurface(int32_t width, int32_t height) override { return Make(width, height, false, true); }

private:
    static ISurface* Make(int32_t width, int32_t height, bool pixels, bool alpha) {
        if (width <= 0 || height <= 0 || static_cast<int64_t>(width) * height > (int64_t{1} << 24)) return nullptr;
        return new FuzzSurface(width, height, pixels, alpha);
    }
};

// The readers under test open files by name; each fuzzer process writes its input to its own file.
inline std::string WriteFuzzFile(const char* kind, const uint8_t* data, size_t size) {
    static const std::string name = std::string("/tmp/prelo_") + kind + "_" + std::to_string(::getpid()) + ".bin";
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (file != nullptr) {
        if (size != 0) std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return name;
}

inline void QuietMessages() {
    platform::SetMessageEcho(false);
    platform::ClearRecordedMessages();
}
