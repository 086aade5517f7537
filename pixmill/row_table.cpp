#include "pixmill/row_table.h"

#include <new>

#include "simd/byte_rules.h"

namespace pixmill {

namespace {
constexpr int32_t kSide = 256;
}

bool RowTable::BuildBlendTable() {
    Free();
    width = kSide;
    height = kSide;
    rows = new (std::nothrow) uint8_t*[kSide];
    if (rows == nullptr) return false;
    uint8_t* block = new (std::nothrow) uint8_t[kSide * kSide];
    if (block == nullptr) {
        delete[] rows;
        rows = nullptr;
        return false;
    }
    for (int32_t i = 0; i < kSide; ++i) {
        rows[i] = block + kSide * i;
        for (int32_t j = 0; j < kSide; ++j) rows[i][j] = simd::Product(i, j);
    }
    return true;
}

void RowTable::Free() {
    if (rows != nullptr) {
        delete[] rows[0];
        delete[] rows;
        rows = nullptr;
    }
    width = 0;
    height = 0;
}

}  // namespace pixmill
