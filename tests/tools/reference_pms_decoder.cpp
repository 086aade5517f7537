#include "reference_pms_decoder.h"

#include <cstring>
#include <utility>

namespace reference {
namespace {

uint32_t Read32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

void Expand(uint16_t c, uint8_t* out) {
    const int r = c >> 11, g = (c >> 5) & 63, b = c & 31;
    out[0] = static_cast<uint8_t>(b * 8 + b / 4);
    out[1] = static_cast<uint8_t>(g * 4 + g / 16);
    out[2] = static_cast<uint8_t>(r * 8 + r / 4);
}

// Decodes one stream; `opcodes` (optional) collects the opcode of every operation.
bool DecodeColour(const uint8_t* s, size_t size, int32_t w, int32_t h, uint8_t* plane, std::vector<uint8_t>* opcodes) {
    const size_t pitch = static_cast<size_t>(w) * 3;
    size_t at = 0;
    auto need = [&](size_t n) { return size - at >= n; };
    for (int32_t y = 0; y < h; ++y) {
        uint8_t* row = plane + y * pitch;
        for (int32_t x = 0; x < w;) {
            if (!need(1)) return false;
            const uint8_t c = s[at++];
            if (opcodes) opcodes->push_back(c);
            uint8_t* q = row + 3 * x;
            int32_t n = 1;
            if (c < 0xF8) {
                if (!need(1) || x + 1 > w) return false;
                Expand(static_cast<uint16_t>(c | s[at++] << 8), q);
            } else if (c == 0xF8) {
                if (!need(2)) return false;
                Expand(static_cast<uint16_t>(s[at] | s[at + 1] << 8), q);
                at += 2;
            } else if (c == 0xF9) {
                if (!need(2)) return false;
                n = s[at] + 1;
                const uint8_t hb = s[at + 1];
                at += 2;
                if (!need(static_cast<size_t>(n)) || x + n > w) return false;
                for (int32_t i = 0; i < n; ++i) {
                    const uint8_t m = s[at++];
                    const int r = (hb >> 5) * 4 + (m >> 6), g = ((hb >> 3) & 3) * 16 + ((m >> 2) & 15),
                              b = (hb & 7) * 4 + (m & 3);
                    Expand(static_cast<uint16_t>(r << 11 | g << 5 | b), q + 3 * i);
                }
            } else if (c == 0xFA || c == 0xFB) {
                if (y < 1 || (c == 0xFA && x + 1 >= w) || (c == 0xFB && x < 1)) return false;
                std::memcpy(q, q - pitch + (c == 0xFA ? 3 : -3), 3);
            } else if (c == 0xFC) {
                if (!need(5)) return false;
                n = 2 * (s[at] + 2);
                if (x + n > w) return false;
                for (int32_t i = 0; i < n; ++i)
                    Expand(static_cast<uint16_t>(s[at + 1 + 2 * (i & 1)] | s[at + 2 + 2 * (i & 1)] << 8), q + 3 * i);
                at += 5;
            } else if (c == 0xFD) {
                if (!need(3)) return false;
                n = s[at] + 3;
                if (x + n > w) return false;
                for (int32_t i = 0; i < n; ++i) Expand(static_cast<uint16_t>(s[at + 1] | s[at + 2] << 8), q + 3 * i);
                at += 3;
            } else {
                if (!need(1)) return false;
                n = s[at++] + 2;
                const size_t back = c == 0xFE ? 2 : 1;
                if (x + n > w || static_cast<size_t>(y) < back) return false;
                std::memcpy(q, q - back * pitch, static_cast<size_t>(n) * 3);
            }
            x += n;
        }
    }
    return true;
}

bool DecodeBytes(const uint8_t* s, size_t size, int32_t w, int32_t h, uint8_t* plane, std::vector<uint8_t>* opcodes) {
    size_t at = 0;
    auto need = [&](size_t n) { return size - at >= n; };
    for (int32_t y = 0; y < h; ++y) {
        uint8_t* row = plane + static_cast<size_t>(y) * w;
        for (int32_t x = 0; x < w;) {
            if (!need(1)) return false;
            const uint8_t c = s[at++];
            if (opcodes) opcodes->push_back(c);
            uint8_t* q = row + x;
            int32_t n = 1;
            if (c < 0xF8) {
                *q = c;
            } else if (c == 0xF8) {
                if (!need(1)) return false;
                *q = s[at++];
            } else if (c <= 0xFB) {
                n = 0;
            } else if (c == 0xFC) {
                if (!need(3)) return false;
                n = 2 * (s[at] + 3);
                if (x + n > w) return false;
                for (int32_t i = 0; i < n; ++i) q[i] = s[at + 1 + (i & 1)];
                at += 3;
            } else if (c == 0xFD) {
                if (!need(2)) return false;
                n = s[at] + 4;
                if (x + n > w) return false;
                std::memset(q, s[at + 1], static_cast<size_t>(n));
                at += 2;
            } else {
                if (!need(1)) return false;
                n = s[at++] + 3;
                const int32_t back = c == 0xFE ? 2 : 1;
                if (x + n > w || y < back) return false;
                std::memcpy(q, q - static_cast<size_t>(back) * w, static_cast<size_t>(n));
            }
            x += n;
        }
    }
    return true;
}

}  // namespace

bool DecodePms(const uint8_t* data, size_t size, DecodedPms* out) {
    if (size < 40 || data[0] != 'P' || data[1] != 'M') return false;
    DecodedPms d;
    d.depth = data[6];
    d.width = static_cast<int32_t>(Read32(data + 24));
    d.height = static_cast<int32_t>(Read32(data + 28));
    const uint32_t main = Read32(data + 32), aux = Read32(data + 36);
    if (d.width <= 0 || d.height <= 0 || d.width > 8192 || d.height > 8192 || main >= size) return false;
    const size_t pixels = static_cast<size_t>(d.width) * d.height;
    if (d.depth == 8) {
        d.pixels.resize(pixels);
        if (!DecodeBytes(data + main, size - main, d.width, d.height, d.pixels.data(), nullptr)) return false;
    } else if (d.depth == 16) {
        d.pixels.resize(pixels * 3);
        if (!DecodeColour(data + main, size - main, d.width, d.height, d.pixels.data(), nullptr)) return false;
        if (aux != 0) {
            if (aux >= size) return false;
            d.hasAlpha = true;
            d.alpha.resize(pixels);
            if (!DecodeBytes(data + aux, size - aux, d.width, d.height, d.alpha.data(), nullptr)) return false;
        }
    } else {
        return false;
    }
    *out = std::move(d);
    return true;
}

std::vector<uint8_t> ColourOpcodes(const uint8_t* stream, size_t size, int32_t width, int32_t height) {
    std::vector<uint8_t> plane(static_cast<size_t>(width) * height * 3), opcodes;
    DecodeColour(stream, size, width, height, plane.data(), &opcodes);
    return opcodes;
}

std::vector<uint8_t> ByteOpcodes(const uint8_t* stream, size_t size, int32_t width, int32_t height) {
    std::vector<uint8_t> plane(static_cast<size_t>(width) * height), opcodes;
    DecodeBytes(stream, size, width, height, plane.data(), &opcodes);
    return opcodes;
}

}  // namespace reference
