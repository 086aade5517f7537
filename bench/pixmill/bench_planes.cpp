#include "bench_planes.h"

#include <cstring>
#include <memory>
#include <random>

namespace pixmill_bench {

BenchPlanes::BenchPlanes(BenchSize size) : width(size.width), height(size.height), pitch(3 * size.width) {
    const size_t pixels = static_cast<size_t>(width) * height;
    src.resize(3 * pixels);
    dst.resize(3 * pixels);
    alpha.resize(pixels);
    std::mt19937 random(5);
    for (uint8_t& byte : src) byte = static_cast<uint8_t>(random());
    for (uint8_t& byte : dst) byte = static_cast<uint8_t>(random());
    for (uint8_t& byte : alpha) byte = static_cast<uint8_t>(random());

    src24Bits = src;
    dst24Bits = dst;
    src32Bits.resize(pixels);
    dst32Bits.resize(pixels);
    for (size_t i = 0; i < pixels; ++i) {
        src32Bits[i] = 0xFF000000u | src[3 * i] | src[3 * i + 1] << 8 | src[3 * i + 2] << 16;
        dst32Bits[i] = 0xFF000000u | dst[3 * i] | dst[3 * i + 1] << 8 | dst[3 * i + 2] << 16;
    }
    src24 =
        pixman_image_create_bits(PIXMAN_r8g8b8, width, height, reinterpret_cast<uint32_t*>(src24Bits.data()), pitch);
    dst24 =
        pixman_image_create_bits(PIXMAN_r8g8b8, width, height, reinterpret_cast<uint32_t*>(dst24Bits.data()), pitch);
    src32 = pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, src32Bits.data(), 4 * width);
    dst32 = pixman_image_create_bits(PIXMAN_x8r8g8b8, width, height, dst32Bits.data(), 4 * width);
    // Pixman wants mask rows in whole 32-bit words; widths here are multiples of four.
    mask8 = pixman_image_create_bits(PIXMAN_a8, width, height, reinterpret_cast<uint32_t*>(alpha.data()), width);
    const pixman_color_t quarter = {0x4040, 0x4040, 0x4040, 0x4040};
    solidMask = pixman_image_create_solid_fill(&quarter);
}

BenchPlanes::~BenchPlanes() {
    for (pixman_image_t* image : {src24, dst24, src32, dst32, mask8, solidMask})
        if (image != nullptr) pixman_image_unref(image);
}

BenchPlanes& BenchPlanes::Of(BenchSize size) {
    static std::unique_ptr<BenchPlanes> screen;
    static std::unique_ptr<BenchPlanes> large;
    std::unique_ptr<BenchPlanes>& slot = size.width == kScreen.width ? screen : large;
    if (!slot) slot = std::make_unique<BenchPlanes>(size);
    return *slot;
}

}  // namespace pixmill_bench
