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

namespace {

std::atomic<int> folderSerial{0};

void Put16(std::string& out, uint32_t value) {
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

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
    Put32(out, 36 + dataSize);
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, samplesPerSecond);
    Put32(out, samplesPerSecond);  // bytes per second
    Put16(out, 1);                 // block align
    Put16(out, 8);
    out += "data";
    Put32(out, dataSize);
    out.append(dataSize, static_cast<char>(0x80));
    return out;
}
