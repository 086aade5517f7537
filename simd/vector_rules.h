#pragma once

// The byte rules of byte_rules.h for a vector width Ops (V128, V256, Wasm128): each written once
// here and compiled for every width, byte for byte the plain rules.
#include <cstdint>

namespace simd {
namespace {

// floor(x / 255) for 16-bit lanes x <= 255 * 255: (x * 0x8081) >> 23, the high half of the
// unsigned product being x * 0x8081 >> 16. Registers without a high-half multiply take
// (x + 1 + (x >> 8)) >> 8, equal to it for every x below 65535, in four plain steps.
template <typename Ops>
typename Ops::V Div255(typename Ops::V x) {
    if constexpr (Ops::kMulHigh16) {
        return Ops::Srl16(Ops::MulHiU16(x, Ops::Lanes16(0x8081)), 7);
    } else {
        return Ops::Srl16(Ops::Add16(Ops::Add16(x, Ops::Lanes16(1)), Ops::Srl16(x, 8)), 8);
    }
}

// Product on 16-bit lanes holding bytes.
template <typename Ops>
typename Ops::V ProductLanes(typename Ops::V a, typename Ops::V b) {
    return Div255<Ops>(Ops::MulLo16(a, b));
}

// Product of every byte pair.
template <typename Ops>
typename Ops::V Product(typename Ops::V a, typename Ops::V b) {
    return Ops::Pack(ProductLanes<Ops>(Ops::WidenLow(a), Ops::WidenLow(b)),
                     ProductLanes<Ops>(Ops::WidenHigh(a), Ops::WidenHigh(b)));
}

// Product of every byte with one weight 0..255.
template <typename Ops>
typename Ops::V Scale(typename Ops::V bytes, int32_t weight) {
    const typename Ops::V w = Ops::Lanes16(weight);
    return Ops::Pack(ProductLanes<Ops>(Ops::WidenLow(bytes), w), ProductLanes<Ops>(Ops::WidenHigh(bytes), w));
}

template <typename Ops>
typename Ops::V Screen(typename Ops::V d, typename Ops::V s) {
    const typename Ops::V ones = Ops::Ones();
    return Ops::Xor(Product<Ops>(Ops::Xor(d, ones), Ops::Xor(s, ones)), ones);
}

// Mix on 16-bit lanes holding bytes and their weights.
template <typename Ops>
typename Ops::V MixLanes(typename Ops::V d, typename Ops::V s, typename Ops::V w) {
    return Ops::Add16(ProductLanes<Ops>(d, Ops::Sub16(Ops::Lanes16(255), w)), ProductLanes<Ops>(s, w));
}

// ShiftMix on 16-bit lanes holding d and s in their high bytes (v * 256), with the weights w and
// 255 - w: the high half of each product is then the shifted product itself, one multiply and no
// shift. The 16-bit sum equals the saturating byte sum, as it never passes 254.
template <typename Ops>
typename Ops::V ShiftMixLanes(typename Ops::V dHigh, typename Ops::V sHigh, typename Ops::V w,
                              typename Ops::V inverse) {
    return Ops::Add16(Ops::MulHiU16(sHigh, w), Ops::MulHiU16(dHigh, inverse));
}

}  // namespace
}  // namespace simd
