#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One archive entry as a picture, at exactly the precision its format stores.
namespace assetkit {

enum class EntryFormat { kPms8, kPms16, kPms16Alpha, kBmp24, kEmpty, kUnknown };

// Stable names, as info and the manifest print them ("pms16-alpha"), and words for people.
const char* FormatName(EntryFormat format);
const char* FormatWords(EntryFormat format);
// Whether entries of this format are pictures the tool extracts and packs.
bool IsPicture(EntryFormat format);

struct EntryHeader {
    EntryFormat format = EntryFormat::kUnknown;
    int32_t width = 0;
    int32_t height = 0;
};

// The format and size an entry's header claims; nothing of the picture data is read.
EntryHeader InspectEntry(const uint8_t* data, size_t size);

struct EntryPicture {
    EntryFormat format = EntryFormat::kUnknown;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgb;      // 16-bit and BMP pictures: red, green, blue a pixel
    std::vector<uint8_t> alpha;    // pms16-alpha: one byte a pixel
    std::vector<uint8_t> values;   // pms8: one byte a pixel
    std::vector<uint8_t> palette;  // pms8: red, green, blue of 256 entries, to show the values by
};

// Decodes an entry with the demo's own decoders. False with a reason for damage.
bool DecodeEntry(const uint8_t* data, size_t size, EntryPicture* picture, std::string* error);

// Whether two pictures hold the same pixels (their palettes are only for showing).
bool SamePixels(const EntryPicture& a, const EntryPicture& b);

// Encodes picture in its format with the project's encoders. The original entry's header is
// kept wherever the format leaves its bytes to the writer (and an 8-bit picture's palette), so
// a changed picture differs from the original only in what the change needs.
std::vector<uint8_t> EncodeEntry(const EntryPicture& picture, const uint8_t* original, size_t originalSize);

}  // namespace assetkit
