// Built without instruction-set flags: it runs before anyone knows what the CPU supports.
#include "demo/assets/adler32.h"

#include <zlib.h>

#include "interfaces/cpu_features.h"

namespace {

uint32_t ZlibAdler32(uint32_t adler, const uint8_t* data, size_t size) {
    return static_cast<uint32_t>(adler32_z(adler, data, size));
}

constexpr Adler32Form kZlib = {"zlib", ZlibAdler32};

const Adler32Form* Avx2Form() {
#if defined(PRELO_ADLER32_WITH_AVX2)
    if (cpu_features::HasAvx2()) return &Avx2Adler32Form();
#endif
    return nullptr;
}

}  // namespace

const Adler32Form& ChosenAdler32() {
    static const Adler32Form& chosen =
        cpu_features::Widest<Adler32Form>("PRELO_FORCE_BASELINE", kZlib, nullptr, Avx2Form());
    return chosen;
}

int32_t AvailableAdler32Forms(const Adler32Form** out, int32_t max) {
    const Adler32Form* const candidates[] = {&kZlib, Avx2Form()};
    return cpu_features::Offered(candidates, out, max);
}
