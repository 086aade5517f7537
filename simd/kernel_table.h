#pragma once

// How a set file hands out its table: Kernels<Ops>::Table() for the operations of one vector
// width, or null in a build whose flags lack that width's instruction set (its Ops then say
// kBuilt = false and nothing of the kernels is compiled). So every set file builds everywhere,
// and the choice (kernel_choice.h) finds the set absent where it could not be built.
namespace simd {
namespace {

template <typename Set, template <typename> class Kernels, typename Ops>
const Set* TableFor() {
    if constexpr (Ops::kBuilt) {
        static constexpr Set kTable = Kernels<Ops>::Table();
        return &kTable;
    } else {
        return nullptr;
    }
}

}  // namespace
}  // namespace simd
