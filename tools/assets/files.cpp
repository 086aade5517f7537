#include "tools/assets/files.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>

#include "platform/file_name.h"
#include "platform/file_write.h"
#include "platform/system_failure.h"

namespace assetkit {
namespace {

// Larger than any file of the demo's by far, and what 32-bit offsets can address.
constexpr uintmax_t kLargestFile = uintmax_t{1} << 32;

}  // namespace

std::string Shown(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool ReadWholeFile(const std::filesystem::path& given, std::vector<uint8_t>* bytes, std::string* error) {
    // A folder copied from a FAT drive holds CG_000.PNG for cg_000.png: found as Windows finds it.
    const std::filesystem::path path = platform::FileNameAsFound(given.string());
    std::error_code code;
    const uintmax_t size = std::filesystem::file_size(path, code);
    if (code) {
        *error = Shown(path) + ": " + code.message();
        return false;
    }
    if (size >= kLargestFile) {
        *error = Shown(path) + ": larger than 4 GiB, which no file of the demo is";
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> read(static_cast<size_t>(size));
    if (!in || !in.read(reinterpret_cast<char*>(read.data()), static_cast<std::streamsize>(read.size()))) {
        *error = Shown(path) + ": cannot be read";
        return false;
    }
    *bytes = std::move(read);
    return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<uint8_t>& bytes, std::string* error) {
    if (platform::WriteFileReplacing(path.string().c_str(), bytes.data(), bytes.size())) return true;
    *error = Shown(path) + ": cannot be written (" + platform::DescribeLastSystemFailure() + ")";
    return false;
}

uint32_t Crc32(const std::vector<uint8_t>& bytes) {
    uLong crc = crc32(0L, Z_NULL, 0);
    // zlib takes at most 4 GiB a call; files here are smaller, but the loop costs nothing.
    for (size_t at = 0; at < bytes.size();) {
        const size_t n = std::min<size_t>(bytes.size() - at, 1u << 30);
        crc = crc32(crc, bytes.data() + at, static_cast<uInt>(n));
        at += n;
    }
    return static_cast<uint32_t>(crc);
}

}  // namespace assetkit
