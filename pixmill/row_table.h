#pragma once

#include <cstdint>

namespace pixmill {

// A two-dimensional byte table in one block with a row-pointer array, so that entry [i][j] is
// both rows[i][j] and block offset 256·i + j. Owns both allocations; freeing is idempotent.
class RowTable {
public:
    RowTable() = default;
    ~RowTable() { Free(); }
    RowTable(const RowTable&) = delete;
    RowTable& operator=(const RowTable&) = delete;

    // Replaces any previous content with the 256 × 256 blend table. On an allocation failure the
    // table is left without rows (width and height still read 256) and false is returned.
    bool BuildBlendTable();

    // Frees the block first, then the row array; back to the empty state.
    void Free();

    bool IsBuilt() const { return rows != nullptr; }
    const uint8_t* const* Rows() const { return rows; }
    int32_t Width() const { return width; }
    int32_t Height() const { return height; }

private:
    uint8_t** rows = nullptr;
    int32_t width = 0;
    int32_t height = 0;
};

}  // namespace pixmill
