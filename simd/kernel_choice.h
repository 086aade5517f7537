#pragma once

#include <cstddef>
#include <cstdint>

#include "simd/cpu_features.h"

// How every module picks its kernel set. A module lists its sets as offers, baseline first and
// widest last, each naming the instruction set its code needs and the function that hands out
// its table. A set's function is called only after the processor is known to run that set, and
// answers null in a build that could not compile it (kernel_table.h), so one list serves every
// build. Included by files built with the build's baseline flags only.
namespace simd {

enum class InstructionSet { kBaseline, kSse2, kWasmSimd128, kAvx2 };

inline bool Runs(InstructionSet set) {
    switch (set) {
        case InstructionSet::kBaseline:
            return true;
        case InstructionSet::kSse2:
            return HasSse2();
        case InstructionSet::kWasmSimd128:
            return HasWasmSimd128();
        case InstructionSet::kAvx2:
            return HasAvx2();
    }
    return false;
}

template <typename Set>
struct Offer {
    InstructionSet needs;
    const Set* (*table)();
};

// A module's offers, narrowest first, and the environment variable that keeps its baseline.
template <typename Set, size_t N>
struct Choice {
    const char* baselineSwitch;
    Offer<Set> offers[N];

    // The sets of the offers this build has and this processor runs, in the offers' order, at
    // most max of them into out; their count. For tests and benchmarks that run each set.
    int32_t Offered(const Set** out, int32_t max) const {
        int32_t count = 0;
        for (const Offer<Set>& offer : offers) {
            if (count == max || !Runs(offer.needs)) continue;
            if (const Set* set = offer.table()) out[count++] = set;
        }
        return count;
    }

    // The first set offered; every build must offer at least one.
    const Set& Baseline() const {
        const Set* first = nullptr;
        Offered(&first, 1);
        return *first;
    }

    // The widest set offered, or the baseline while the switch is on.
    const Set& Chosen() const {
        const Set* sets[N] = {};
        const int32_t count = Offered(sets, static_cast<int32_t>(N));
        return *sets[SwitchedOn(baselineSwitch) ? 0 : count - 1];
    }
};

// The choice made once, at the first ask, for the rest of the process.
template <const auto& kChoice>
const auto& ChosenOnce() {
    static const auto& chosen = kChoice.Chosen();
    return chosen;
}

}  // namespace simd
