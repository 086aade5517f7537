// Pixman doing Pixmill's jobs on the same pictures: SRC for the copy, OVER of an opaque source
// through a solid mask for the constant alpha and through an a8 mask for the per-pixel alpha, in
// r8g8b8 and in x8r8g8b8. Built where pixman is (not in the Windows build).
#include <pixman.h>

#include <memory>

#include "bench_planes.h"

namespace {

using pixmill_bench::BenchPlanes;
using pixmill_bench::BenchSize;
using pixmill_bench::kScreen;
using pixmill_bench::Measure;

// The planes of a size as pixman images: the 24-bit ones as they are, copies widened to
// x8r8g8b8, the alpha plane as an a8 mask, and a solid quarter-alpha mask.
class PixmanImages {
public:
    explicit PixmanImages(const BenchPlanes& planes)
        : src24Bits_(planes.src), dst24Bits_(planes.dst), alphaBits_(planes.alpha) {
        const int32_t width = planes.width;
        const int32_t height = planes.height;
        const size_t pixels = static_cast<size_t>(width) * height;
        src32Bits_.resize(pixels);
        dst32Bits_.resize(pixels);
        for (size_t i = 0; i < pixels; ++i) {
            src32Bits_[i] = Widen(&src24Bits_[3 * i]);
            dst32Bits_[i] = Widen(&dst24Bits_[3 * i]);
        }
        src24 = pixman_image_create_bits(PIXMAN_r8g8b8, width, height, Words(src24Bits_), planes.pitch);
        dst24 = pixman_image_create_bits(PIXMAN_r8g8b8, width, height, Words(dst24Bits_), planes.pitch);
        src32 = pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, src32Bits_.data(), 4 * width);
        dst32 = pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, dst32Bits_.data(), 4 * width);
        // Pixman wants mask rows in whole 32-bit words; widths here are multiples of four.
        mask8 = pixman_image_create_bits(PIXMAN_a8, width, height, Words(alphaBits_), width);
        const pixman_color_t quarter = {0x4040, 0x4040, 0x4040, 0x4040};
        solidMask = pixman_image_create_solid_fill(&quarter);
    }
    ~PixmanImages() {
        for (pixman_image_t* image : {src24, dst24, src32, dst32, mask8, solidMask})
            if (image != nullptr) pixman_image_unref(image);
    }
    PixmanImages(const PixmanImages&) = delete;
    PixmanImages& operator=(const PixmanImages&) = delete;

    static PixmanImages& Of(BenchSize size) {
        static std::unique_ptr<PixmanImages> screen;
        static std::unique_ptr<PixmanImages> large;
        std::unique_ptr<PixmanImages>& slot = size.width == kScreen.width ? screen : large;
        if (!slot) slot = std::make_unique<PixmanImages>(BenchPlanes::Of(size));
        return *slot;
    }

    pixman_image_t* src24 = nullptr;
    pixman_image_t* dst24 = nullptr;
    pixman_image_t* src32 = nullptr;
    pixman_image_t* dst32 = nullptr;
    pixman_image_t* mask8 = nullptr;
    pixman_image_t* solidMask = nullptr;

private:
    static uint32_t Widen(const uint8_t* p) { return 0xFF000000u | p[0] | p[1] << 8 | p[2] << 16; }
    static uint32_t* Words(std::vector<uint8_t>& bytes) { return reinterpret_cast<uint32_t*>(bytes.data()); }

    std::vector<uint8_t> src24Bits_;
    std::vector<uint8_t> dst24Bits_;
    std::vector<uint8_t> alphaBits_;
    std::vector<uint32_t> src32Bits_;
    std::vector<uint32_t> dst32Bits_;
};

enum class Format { R8G8B8, X8R8G8B8 };

// One composite of the whole plane of a size; the mask is picked from the images by mask().
template <typename MaskOf>
void Composite(benchmark::State& state, BenchSize size, pixman_op_t op, Format format, MaskOf mask) {
    const BenchPlanes& planes = BenchPlanes::Of(size);
    PixmanImages& images = PixmanImages::Of(size);
    pixman_image_t* src = format == Format::R8G8B8 ? images.src24 : images.src32;
    pixman_image_t* dst = format == Format::R8G8B8 ? images.dst24 : images.dst32;
    pixman_image_t* maskImage = mask(images);
    Measure(state, planes,
            [&] { pixman_image_composite32(op, src, maskImage, dst, 0, 0, 0, 0, 0, 0, planes.width, planes.height); });
}

pixman_image_t* NoMask(PixmanImages&) { return nullptr; }
pixman_image_t* SolidMask(PixmanImages& images) { return images.solidMask; }
pixman_image_t* AlphaMask(PixmanImages& images) { return images.mask8; }

void Copy_PixmanR8G8B8(benchmark::State& state, BenchSize size) {
    Composite(state, size, PIXMAN_OP_SRC, Format::R8G8B8, NoMask);
}
void Copy_PixmanX8R8G8B8(benchmark::State& state, BenchSize size) {
    Composite(state, size, PIXMAN_OP_SRC, Format::X8R8G8B8, NoMask);
}
void BlendConst_PixmanR8G8B8Solid(benchmark::State& state, BenchSize size) {
    Composite(state, size, PIXMAN_OP_OVER, Format::R8G8B8, SolidMask);
}
void BlendConst_PixmanX8R8G8B8Solid(benchmark::State& state, BenchSize size) {
    Composite(state, size, PIXMAN_OP_OVER, Format::X8R8G8B8, SolidMask);
}
void BlendAlpha_PixmanR8G8B8A8(benchmark::State& state, BenchSize size) {
    Composite(state, size, PIXMAN_OP_OVER, Format::R8G8B8, AlphaMask);
}
void BlendAlpha_PixmanX8R8G8B8A8(benchmark::State& state, BenchSize size) {
    Composite(state, size, PIXMAN_OP_OVER, Format::X8R8G8B8, AlphaMask);
}

PIXMILL_BENCH(Copy_PixmanR8G8B8, plain);
PIXMILL_BENCH(Copy_PixmanX8R8G8B8, plain);
PIXMILL_BENCH(BlendConst_PixmanR8G8B8Solid, plain);
PIXMILL_BENCH(BlendConst_PixmanX8R8G8B8Solid, plain);
PIXMILL_BENCH(BlendAlpha_PixmanR8G8B8A8, plain);
PIXMILL_BENCH(BlendAlpha_PixmanX8R8G8B8A8, plain);

}  // namespace
