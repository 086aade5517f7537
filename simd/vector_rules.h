#pragma once

// The byte rules of byte_rules.h for a vector width Ops (V128, V256, Wasm128): each written once
// here and compiled for every width, byte for byte the plain rules.
#include <cstdint>

namespace simd {
namespace {

// floor(x / 255) for 16-bit lanes x <= 255 * 255: (x * 0x8081) >> 23, the high half of the
// unsigned product being x * 0x8081 >> 16. Registers without a high-half multiply take
// (x + 1 + (x >> 8)) >> 8, equal to it for every x below 65535, in three steps: the rounding
// average of x and x >> 8 is that sum halved (floor((x + y + 1) / 2), without the carry out of
// 16 bits), and halving and then shifting by 7 floors as shifting by 8 does.
template <typename Ops>
typename Ops::V Div255(typename Ops::V x) {
    if constexpr (Ops::kMulHigh16) {
        return Ops::Srl16(Ops::MulHiU16(x, Ops::Lanes16(0x8081)), 7);
    } else {
        return Ops::Srl16(Ops::AverageU16(x, Ops::Srl16(x, 8)), 7);
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
    return Ops::Pack(Div255<Ops>(Ops::MulWidenLow8(a, b)), Div255<Ops>(Ops::MulWidenHigh8(a, b)));
}

// Product with one weight w (0..255) on 16-bit lanes holding bytes. Where the registers have a
// high-half multiply, in that one multiply by ceil(w * 65536 / 255): the multiplier's excess over
// w * 65536 / 255 is below 1, so the product passes x * w / 255 by less than 255 / 65536, short of
// the 1/255 that separates x * w / 255 from the next whole number; floor(x * w / 255) for every x
// and every w below 255, and 255 keeps x. Elsewhere (WebAssembly builds that multiply from three
// steps) the low product divided as ProductLanes does.
template <typename Ops>
struct WeightProduct {
    using V = typename Ops::V;
    explicit WeightProduct(int32_t weight)
        : keeps(weight == 255),
          multiplier(Ops::Lanes16(!Ops::kMulHigh16 ? weight
                                  : weight == 255  ? 0
                                                   : (weight * 65536 + 254) / 255)),
          weightBytes(Ops::Bytes(weight)) {}
    V Of(V lanes) const {
        if constexpr (Ops::kMulHigh16) {
            return keeps ? lanes : Ops::MulHiU16(lanes, multiplier);
        } else {
            return ProductLanes<Ops>(lanes, multiplier);  // exact at 255 too, so no branch
        }
    }
    // The products of the low or the high half of a vector of bytes, on 16-bit lanes: where the
    // registers have no high-half multiply, they widen and multiply in one step.
    V OfLow(V bytes) const {
        if constexpr (Ops::kMulHigh16) {
            return Of(Ops::WidenLow(bytes));
        } else {
            return Div255<Ops>(Ops::MulWidenLow8(bytes, weightBytes));
        }
    }
    V OfHigh(V bytes) const {
        if constexpr (Ops::kMulHigh16) {
            return Of(Ops::WidenHigh(bytes));
        } else {
            return Div255<Ops>(Ops::MulWidenHigh8(bytes, weightBytes));
        }
    }

    bool keeps;
    V multiplier;
    V weightBytes;
};

// Product of every byte with one weight 0..255.
template <typename Ops>
typename Ops::V Scale(typename Ops::V bytes, const WeightProduct<Ops>& weight) {
    return weight.keeps ? bytes : Ops::Pack(weight.OfLow(bytes), weight.OfHigh(bytes));
}
template <typename Ops>
typename Ops::V Scale(typename Ops::V bytes, int32_t weight) {
    return Scale<Ops>(bytes, WeightProduct<Ops>(weight));
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

// Mix by one weight for every lane: the destination's product by 255 - weight, the source's by it.
template <typename Ops>
struct ConstMix {
    explicit ConstMix(int32_t weight) : kept(255 - weight), taken(weight) {}
    // The low or the high half of the bytes d mixed with s on 16-bit lanes.
    typename Ops::V LowLanes(typename Ops::V d, typename Ops::V s) const {
        return Ops::Add16(kept.OfLow(d), taken.Of(s));
    }
    typename Ops::V HighLanes(typename Ops::V d, typename Ops::V s) const {
        return Ops::Add16(kept.OfHigh(d), taken.Of(s));
    }
    typename Ops::V Bytes(typename Ops::V d, typename Ops::V s) const {
        return Ops::Pack(Ops::Add16(kept.OfLow(d), taken.OfLow(s)), Ops::Add16(kept.OfHigh(d), taken.OfHigh(s)));
    }

    WeightProduct<Ops> kept;
    WeightProduct<Ops> taken;
};

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
