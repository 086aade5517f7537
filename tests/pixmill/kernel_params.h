#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pixmill/kernels.h"
#include "pixmill/row_table.h"

// What the kernel tests are parameterised over: every kernel set this machine can run.
namespace pixmill_test {

inline std::vector<const pixmill::KernelSet*> KernelSetsOfThisMachine() {
    const pixmill::KernelSet* sets[8];
    const int32_t count = pixmill::AvailableKernelSets(sets, 8);
    return std::vector<const pixmill::KernelSet*>(sets, sets + count);
}

inline std::string KernelSetName(const ::testing::TestParamInfo<const pixmill::KernelSet*>& info) {
    std::string name = info.param->name;
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

inline const uint8_t* const* SharedBlendTable() {
    static pixmill::RowTable table;
    if (!table.IsBuilt()) table.BuildBlendTable();
    return table.Rows();
}

}  // namespace pixmill_test
