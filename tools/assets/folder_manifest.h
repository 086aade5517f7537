#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/assets/json_text.h"

// The folders extract writes: one file a picture or frame, a copy of the original file (so that
// pack can keep every unchanged byte), and manifest.json, which names them.
namespace assetkit {

inline constexpr const char* kManifestName = "manifest.json";
inline constexpr const char* kArchiveFolderKind = "prelo-assets archive folder";
inline constexpr const char* kMovieFolderKind = "prelo-assets movie folder";

std::string PictureFileName(uint32_t index);  // cg_007.png
std::string FrameFileName(uint32_t index);    // frame_00007.png

// A manifest's opening members: its kind, and the original's name, size and CRC-32. The caller
// adds what the folder holds ("entries", "frames") and writes it with WriteFolder.
Json ManifestHead(const char* kind, const std::string& originalName, const std::vector<uint8_t>& original);

// Writes the copy of the original and then the manifest into the folder. False with a reason.
bool WriteFolder(const std::filesystem::path& folder, const Json& manifest, const std::vector<uint8_t>& original,
                 std::string* error);

// Reads a folder's manifest and the original it names, checking that the copy is the file the
// folder was made from. False with a reason naming the folder.
bool ReadFolderOriginal(const std::filesystem::path& folder, const char* kind, std::vector<uint8_t>* original,
                        std::string* error);

// Makes the folder extract writes into: refused when it holds files already (the user's edits
// may be there), unless force.
bool PrepareExtractFolder(const std::filesystem::path& folder, bool force, std::string* error);

}  // namespace assetkit
