#include "demo/base/row_table.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "simd/byte_rules.h"

bool RowTable::Allocate(int32_t newRowCount, int32_t newColumns, int32_t elementSize) {
    Free();
    if (newRowCount <= 0 || newColumns <= 0 || elementSize <= 0) return false;
    const uint64_t rowBytes = static_cast<uint64_t>(newColumns) * static_cast<uint64_t>(elementSize);
    const uint64_t total = rowBytes * static_cast<uint64_t>(newRowCount);
    if (total > 0x7FFFFFFFu) return false;
    columns = newColumns;
    rowCount = newRowCount;
    rows = new (std::nothrow) uint8_t*[static_cast<size_t>(newRowCount)];
    if (rows == nullptr) {
        Free();
        return false;
    }
    auto* block = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(total), 1));
    if (block == nullptr) {
        delete[] rows;
        rows = nullptr;
        Free();
        return false;
    }
    for (int32_t i = 0; i < newRowCount; ++i) rows[i] = block + static_cast<size_t>(i) * rowBytes;
    return true;
}

void RowTable::Free() {
    if (rows != nullptr) {
        std::free(rows[0]);
        delete[] rows;
        rows = nullptr;
    }
    columns = 0;
    rowCount = 0;
}

bool BuildMultiplyTable(RowTable& table) {
    if (!table.Allocate(256, 256, 1)) return false;
    for (int j = 0; j < 256; ++j) {
        uint8_t* row = table.rows[j];
        for (int k = 0; k < 256; ++k) row[k] = simd::Product(j, k);
    }
    return true;
}

bool BuildScreenTable(RowTable& screen, const RowTable& multiply) {
    if (multiply.rowCount != 256 || multiply.columns != 256) return false;
    if (!screen.Allocate(256, 256, 1)) return false;
    for (int i = 0; i < 256; ++i) {
        for (int k = 0; k < 256; ++k) screen.rows[i][k] = static_cast<uint8_t>(~multiply.rows[255 - i][255 - k]);
    }
    return true;
}
