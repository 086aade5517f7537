#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Whole files in and out. Output is written beside its target under a temporary name and moved
// over it only when complete, so a failed run never leaves a half-written or damaged file.
namespace assetkit {

bool ReadWholeFile(const std::filesystem::path& path, std::vector<uint8_t>* bytes, std::string* error);
bool WriteFileAtomically(const std::filesystem::path& path, const std::vector<uint8_t>& bytes, std::string* error);

// A path as the user sees it in a message.
std::string Shown(const std::filesystem::path& path);

// The CRC-32 that folders record of the files they were made from.
uint32_t Crc32(const std::vector<uint8_t>& bytes);

}  // namespace assetkit
