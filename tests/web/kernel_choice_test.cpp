// The browser build chooses the WebAssembly set of every module at build time; the differential
// tests beside this one then hold those sets to the plain forms.
#include <gtest/gtest.h>

#include "demo/effects/effect_kernels.h"
#include "host/graph/row_kernels.h"
#include "pixmill/kernels.h"

TEST(BrowserKernelChoice, EveryModuleDrawsWithItsWebAssemblySet) {
    EXPECT_STREQ("simd128", host::ChosenRowKernels().name);
    EXPECT_STREQ("simd128", ChosenEffectKernels().name);
    EXPECT_STREQ("simd128", pixmill::ChooseKernels().name);
}
