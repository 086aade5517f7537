#pragma once

#include <pixman.h>

#include <cstdint>
#include <vector>

// The pixel planes of one benchmark size, made once and shared by every benchmark of that size:
// 24-bit source and destination with an alpha plane for Pixmill, and the same picture as pixman
// images in r8g8b8 and x8r8g8b8 with an a8 mask and a solid mask.
namespace pixmill_bench {

struct BenchSize {
    int32_t width;
    int32_t height;
};

inline constexpr BenchSize kScreen = {640, 480};
// 4096 × 5461 pixels: 64 MiB a 24-bit plane, far beyond any cache.
inline constexpr BenchSize kLarge = {4096, 5461};

class BenchPlanes {
public:
    explicit BenchPlanes(BenchSize size);
    ~BenchPlanes();
    BenchPlanes(const BenchPlanes&) = delete;
    BenchPlanes& operator=(const BenchPlanes&) = delete;

    // The planes of a size, built on first use and kept for the rest of the run.
    static BenchPlanes& Of(BenchSize size);

    int32_t width;
    int32_t height;
    int32_t pitch;
    std::vector<uint8_t> src;
    std::vector<uint8_t> dst;
    std::vector<uint8_t> alpha;

    pixman_image_t* src24 = nullptr;
    pixman_image_t* dst24 = nullptr;
    pixman_image_t* src32 = nullptr;
    pixman_image_t* dst32 = nullptr;
    pixman_image_t* mask8 = nullptr;
    pixman_image_t* solidMask = nullptr;

private:
    std::vector<uint32_t> src32Bits;
    std::vector<uint32_t> dst32Bits;
    std::vector<uint8_t> src24Bits;
    std::vector<uint8_t> dst24Bits;
};

}  // namespace pixmill_bench
