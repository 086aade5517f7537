#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

// Test memory for one rectangle operation: planes placed at a chosen residue from a 64-byte
// boundary, with guard bytes before and after that must come through any operation unchanged.
namespace pixmill_test {

inline constexpr int32_t kGuardBytes = 64;

class GuardedPlane {
public:
    // rows × pitch bytes of plane, of which the first row starts residue bytes past a 64-byte boundary.
    GuardedPlane(int32_t pitch, int32_t rows, int32_t residue)
        : pitch(pitch), span(static_cast<size_t>(pitch) * rows), storage(span + 2 * kGuardBytes + 128) {
        const uintptr_t raw = reinterpret_cast<uintptr_t>(storage.data()) + kGuardBytes;
        const uintptr_t aligned = (raw + 63) & ~uintptr_t{63};
        origin = storage.data() + (aligned - reinterpret_cast<uintptr_t>(storage.data())) + residue;
    }

    void FillRandom(std::mt19937& random) {
        for (uint8_t& byte : storage) byte = static_cast<uint8_t>(random());
    }
    void CopyContentFrom(const GuardedPlane& other) {
        std::memcpy(origin - kGuardBytes, other.origin - kGuardBytes, span + 2 * kGuardBytes);
    }

    uint8_t* Origin() { return origin; }
    const uint8_t* Origin() const { return origin; }
    int32_t Pitch() const { return pitch; }

    // Equal bytes over the plane and both guards; otherwise where the first difference lies.
    friend ::testing::AssertionResult SameBytes(const GuardedPlane& actual, const GuardedPlane& expected) {
        const uint8_t* a = actual.origin - kGuardBytes;
        const uint8_t* e = expected.origin - kGuardBytes;
        const size_t total = actual.span + 2 * kGuardBytes;
        for (size_t i = 0; i < total; ++i) {
            if (a[i] == e[i]) continue;
            const long offset = static_cast<long>(i) - kGuardBytes;
            std::string where =
                offset < 0 ? "front guard"
                : offset >= static_cast<long>(actual.span)
                    ? "back guard"
                    : "row " + std::to_string(offset / actual.pitch) + " byte " + std::to_string(offset % actual.pitch);
            return ::testing::AssertionFailure()
                   << "first difference at " << where << ": got " << int{a[i]} << ", want " << int{e[i]};
        }
        return ::testing::AssertionSuccess();
    }

private:
    int32_t pitch;
    size_t span;
    std::vector<uint8_t> storage;
    uint8_t* origin = nullptr;
};

}  // namespace pixmill_test
