#include "asset_test_support.h"

#include <cstdio>

#include "platform/byte_writer.h"
#include "tests/support/message_capture.h"

void WriteBytes(const std::string& name, const Bytes& bytes) {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (file == nullptr) return;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

Bytes ReadBytes(const std::string& name) {
    Bytes bytes;
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (file == nullptr) return bytes;
    uint8_t chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
    std::fclose(file);
    return bytes;
}

Bytes PmsPicture(uint8_t depth, int32_t width, int32_t height, const Bytes& mainStream, const Bytes& alphaStream) {
    Bytes out = {'P', 'M', 1, 0, 0, 0, depth};
    out.resize(24, 0);
    platform::AppendLe32(out, static_cast<uint32_t>(width));
    platform::AppendLe32(out, static_cast<uint32_t>(height));
    platform::AppendLe32(out, 40);
    platform::AppendLe32(out, alphaStream.empty() ? 0 : static_cast<uint32_t>(40 + mainStream.size()));
    out.insert(out.end(), mainStream.begin(), mainStream.end());
    out.insert(out.end(), alphaStream.begin(), alphaStream.end());
    return out;
}

Bytes Archive(const std::vector<Bytes>& pictures) {
    Bytes out = {'Z', 'P', 'X', '0'};
    platform::AppendLe32(out, static_cast<uint32_t>(pictures.size()));
    uint32_t offset = static_cast<uint32_t>(8 + 8 * pictures.size());
    for (const Bytes& picture : pictures) {
        platform::AppendLe32(out, offset);
        platform::AppendLe32(out, static_cast<uint32_t>(picture.size()));
        offset += static_cast<uint32_t>(picture.size());
    }
    for (const Bytes& picture : pictures) out.insert(out.end(), picture.begin(), picture.end());
    return out;
}

namespace {

// Watching from before main: on Windows an unwatched box would wait for a user.
MessageCapture messages;

}  // namespace

std::vector<std::string> TakeMessages() {
    std::vector<std::string> texts = messages.Texts();
    messages.Clear();
    return texts;
}
