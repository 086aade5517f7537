#pragma once

#include <cstdint>
#include <vector>

#include "demo/assets/pms_opcodes.h"

namespace tools {

// The operations of the two PMS streams; the byte stream uses the first five.
enum class Op { Literal, CopyUp, CopyUp2, Fill, Pattern, Shared, DiagRight, DiagLeft };

// A value as the stream stores it: one byte, or a 5-6-5 colour low byte first.
template <typename Value>
void PutValue(std::vector<uint8_t>& out, Value value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    if constexpr (sizeof(Value) == 2) out.push_back(static_cast<uint8_t>(value >> 8));
}

// Writes an operation both streams have, covering pixels values from at: its opcode, count byte
// (less the stream's bias) and values. A literal whose first byte would read as an opcode is
// escaped.
template <typename Value>
void EmitRun(std::vector<uint8_t>& out, const pms::RunBias& runs, Op op, const Value* at, int32_t pixels) {
    switch (op) {
        case Op::Pattern:
            out.push_back(pms::kPattern);
            out.push_back(static_cast<uint8_t>(pixels / 2 - runs.pairs));
            PutValue(out, at[0]);
            PutValue(out, at[1]);
            return;
        case Op::Fill:
            out.push_back(pms::kFill);
            out.push_back(static_cast<uint8_t>(pixels - runs.fill));
            PutValue(out, at[0]);
            return;
        case Op::CopyUp:
        case Op::CopyUp2:
            out.push_back(op == Op::CopyUp ? pms::kCopyUp : pms::kCopyUp2);
            out.push_back(static_cast<uint8_t>(pixels - runs.copy));
            return;
        default:
            if ((at[0] & 0xFF) >= pms::kFirstOpcode) out.push_back(pms::kEscape);
            PutValue(out, at[0]);
            return;
    }
}

// A whole plane, top row first: row y by RowEncoder(values, width, y, out), which chooses the
// operation at each column (Choose) and writes it (Emit). Empty for no plane. Room is made for halfBytesPerPixel / 2
// bytes a pixel, a guess.
template <typename RowEncoder, typename Value>
std::vector<uint8_t> EncodeRows(const Value* values, int32_t width, int32_t height, size_t halfBytesPerPixel) {
    std::vector<uint8_t> out;
    if (values == nullptr || width <= 0 || height <= 0) return out;
    out.reserve(static_cast<size_t>(width) * height * halfBytesPerPixel / 2);
    for (int32_t y = 0; y < height; ++y) {
        RowEncoder row(values, width, y, out);
        for (int32_t x = 0; x < width;) {
            const auto choice = row.Choose(x);
            row.Emit(choice, x);
            x += choice.pixels;
        }
    }
    return out;
}

}  // namespace tools
