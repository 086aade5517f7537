#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A plain decoder written from the PMS opcode tables, independent of the encoder, so that the
// encoder's output can be checked without the demo's own loader. It refuses (returns false) any
// stream that would run past its input, past a row, or copy from a row that does not exist, so a
// faulty encoder shows up as a failure rather than as garbage.
namespace reference {

struct DecodedPms {
    int32_t depth = 0, width = 0, height = 0;
    std::vector<uint8_t> pixels;  // depth 16: blue, green, red per pixel; depth 8: the 8-bit plane
    std::vector<uint8_t> alpha;   // depth 16 with an alpha plane
    bool hasAlpha = false;
};

bool DecodePms(const uint8_t* data, size_t size, DecodedPms* out);

// Every opcode byte a stream starts an operation with, in stream order.
std::vector<uint8_t> ColourOpcodes(const uint8_t* stream, size_t size, int32_t width, int32_t height);
std::vector<uint8_t> ByteOpcodes(const uint8_t* stream, size_t size, int32_t width, int32_t height);

}  // namespace reference
