#include "demo/scenes/scene_math.h"

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kHalfPi = kPi / 2;
// pi / 2 split in two parts (Cody and Waite): k * kHalfPiHigh is exact for the few turns the
// scenes use. What the two parts leave out of pi / 2 is about 2e-21, far below a pixel.
constexpr double kHalfPiHigh = 1.5707963267341256e+00;
constexpr double kHalfPiMiddle = 6.0771005065061922e-11;

// Taylor series on |x| <= pi / 4; the terms beyond x^17 are far below one unit in the last place.
double SinKernel(double x) {
    const double x2 = x * x;
    double sum = 0.0;
    double term = x;
    for (int n = 1; n <= 17; n += 2) {
        sum += term;
        term *= -x2 / static_cast<double>((n + 1) * (n + 2));
    }
    return sum;
}

double CosKernel(double x) {
    const double x2 = x * x;
    double sum = 0.0;
    double term = 1.0;
    for (int n = 0; n <= 18; n += 2) {
        sum += term;
        term *= -x2 / static_cast<double>((n + 1) * (n + 2));
    }
    return sum;
}

// Reduces x to r in [-pi/4, pi/4] with x = r + quadrant * pi / 2.
double Reduce(double x, int64_t& quadrant) {
    quadrant = static_cast<int64_t>(std::nearbyint(x / kHalfPi));
    const double k = static_cast<double>(quadrant);
    return (x - k * kHalfPiHigh) - k * kHalfPiMiddle;
}

// atan on [0, 1]: two halvings of the angle, atan(z) = 2 atan(z / (1 + sqrt(1 + z^2))), bring z
// below tan(pi / 16), where the series converges fast.
double AtanUnit(double z) {
    for (int i = 0; i < 2; ++i) z = z / (1.0 + std::sqrt(1.0 + z * z));
    const double z2 = z * z;
    double sum = 0.0;
    double power = z;
    for (int n = 1; n <= 29; n += 2) {
        sum += ((n / 2) % 2 == 0 ? power : -power) / static_cast<double>(n);
        power *= z2;
    }
    return 4.0 * sum;
}

}  // namespace

double SceneSin(double radians) {
    int64_t quadrant = 0;
    const double r = Reduce(radians, quadrant);
    switch (quadrant & 3) {
        case 0:
            return SinKernel(r);
        case 1:
            return CosKernel(r);
        case 2:
            return -SinKernel(r);
        default:
            return -CosKernel(r);
    }
}

double SceneCos(double radians) {
    int64_t quadrant = 0;
    const double r = Reduce(radians, quadrant);
    switch (quadrant & 3) {
        case 0:
            return CosKernel(r);
        case 1:
            return -SinKernel(r);
        case 2:
            return -CosKernel(r);
        default:
            return SinKernel(r);
    }
}

double SceneAtan2(double y, double x) {
    if (y == 0.0) return x < 0.0 ? kPi : 0.0;
    if (x == 0.0) return y > 0.0 ? kHalfPi : -kHalfPi;
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    double angle = ay <= ax ? AtanUnit(ay / ax) : kHalfPi - AtanUnit(ax / ay);
    if (x < 0.0) angle = kPi - angle;
    return y < 0.0 ? -angle : angle;
}
