#include "tests/support/test_files.h"

#include <atomic>
#include <cstdio>
#include <filesystem>

#if defined(_WIN32)
#include <process.h>
#define CurrentProcessId _getpid
#else
#include <unistd.h>
#define CurrentProcessId getpid
#endif

#include "platform/byte_writer.h"

namespace {

std::atomic<int> folderSerial{0};

}  // namespace

ScopedWorkFolder::ScopedWorkFolder() {
    namespace fs = std::filesystem;
    previous_ = fs::current_path().string();
    fs::path folder =
        fs::temp_directory_path() / ("prelo-runtime-" + std::to_string(static_cast<long>(CurrentProcessId())) + "-" +
                                     std::to_string(folderSerial++));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::current_path(folder);
    folder_ = folder.string();
}

ScopedWorkFolder::~ScopedWorkFolder() {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::current_path(previous_, ignored);
    fs::remove_all(folder_, ignored);
}

bool WriteFile(const char* name, const std::string& bytes) {
    std::FILE* file = std::fopen(name, "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::string MakeWave(uint32_t lengthMs, uint32_t samplesPerSecond) {
    const uint32_t dataSize = static_cast<uint32_t>(static_cast<uint64_t>(lengthMs) * samplesPerSecond / 1000u);
    std::string out = "RIFF";
    platform::AppendLe32(out, 36 + dataSize);
    out += "WAVEfmt ";
    platform::AppendLe32(out, 16);
    platform::AppendLe16(out, 1);  // PCM
    platform::AppendLe16(out, 1);  // mono
    platform::AppendLe32(out, samplesPerSecond);
    platform::AppendLe32(out, samplesPerSecond);  // bytes per second
    platform::AppendLe16(out, 1);                 // block align
    platform::AppendLe16(out, 8);
    out += "data";
    platform::AppendLe32(out, dataSize);
    out.append(dataSize, static_cast<char>(0x80));
    return out;
}
