#pragma once

#include <cstdint>

// Trigonometry for the scenes, built from additions and multiplications only. The C libraries of
// the two builds round sin, cos and atan2 differently in the last bit, and a truncated product can
// land on the other side of an integer because of it; these give the same bits in every build, so
// both builds draw identical frames.
double SceneSin(double radians);
double SceneCos(double radians);
// Angle of (x, y) in (-pi, pi], exactly pi for y = 0 and x < 0.
double SceneAtan2(double y, double x);

// Degrees to radians as the scenes do it: multiplied by pi / 180 rounded to a float.
inline constexpr float kRadiansPerDegree = 0.017453292f;

inline float SinDegrees(float degrees) { return static_cast<float>(SceneSin(degrees * kRadiansPerDegree)); }
inline float CosDegrees(float degrees) { return static_cast<float>(SceneCos(degrees * kRadiansPerDegree)); }
