#pragma once

#include <cstdint>

// A two-dimensional table in one block: rows[0] is the start of the one owned block holding all
// rows, rows[i] = rows[0] + i * columns * elementSize. Free may run any number of times.
struct RowTable {
    uint8_t** rows = nullptr;
    int32_t columns = 0;
    int32_t rowCount = 0;

    RowTable() = default;
    ~RowTable() { Free(); }
    RowTable(const RowTable&) = delete;
    RowTable& operator=(const RowTable&) = delete;

    // Replaces the contents with rowCount x columns elements of elementSize bytes, zeroed.
    // False (and empty) when a size is not positive, overflows, or memory runs out.
    bool Allocate(int32_t rowCount, int32_t columns, int32_t elementSize);
    // Releases the block, then the row array, and zeroes both counts.
    void Free();
    bool Empty() const { return rows == nullptr; }

    template <typename T>
    T* Row(int32_t i) const {
        return reinterpret_cast<T*>(rows[i]);
    }
    uint8_t At(int32_t row, int32_t column) const { return rows[row][column]; }
};

// Fills a 256 x 256 byte table with T[j][k] = floor(j*k / 255) (simd::Product).
bool BuildMultiplyTable(RowTable& table);
// Fills a 256 x 256 byte table with S[i][k] = 255 - T[255-i][255-k] from a built multiply table.
bool BuildScreenTable(RowTable& screen, const RowTable& multiply);
