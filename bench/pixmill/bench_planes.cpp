#include "bench_planes.h"

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
}

BenchPlanes& BenchPlanes::Of(BenchSize size) {
    static std::unique_ptr<BenchPlanes> screen;
    static std::unique_ptr<BenchPlanes> large;
    std::unique_ptr<BenchPlanes>& slot = size.width == kScreen.width ? screen : large;
    if (!slot) slot = std::make_unique<BenchPlanes>(size);
    return *slot;
}

}  // namespace pixmill_bench
