#pragma once

#include <cstdint>
#include <memory>
#include <new>

#include "demo/scenes/scene_math.h"

// Cosine and sine of a turning angle for every millisecond of a phase, computed when the scene
// starts, so that a frame only looks them up.
class TurnTable {
public:
    // angleOf(d) gives the angle in degrees at d ms into the phase, for d = 0 .. count - 1.
    // False when memory runs out.
    template <typename AngleOf>
    bool Build(int32_t count, AngleOf&& angleOf) {
        if (count <= 0) return false;
        values_.reset(new (std::nothrow) float[2 * static_cast<size_t>(count)]);
        if (!values_) return false;
        count_ = count;
        for (int32_t d = 0; d < count; ++d) {
            const float degrees = angleOf(d);
            values_[2 * d] = CosDegrees(degrees);
            values_[2 * d + 1] = SinDegrees(degrees);
        }
        return true;
    }

    // d must lie in 0 .. count - 1.
    float Cos(int32_t d) const { return values_[2 * d]; }
    float Sin(int32_t d) const { return values_[2 * d + 1]; }
    int32_t Count() const { return count_; }

private:
    std::unique_ptr<float[]> values_;
    int32_t count_ = 0;
};
