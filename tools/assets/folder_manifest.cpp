#include "tools/assets/folder_manifest.h"

#include <cstdio>

#include "tools/assets/files.h"

namespace assetkit {
namespace {

std::string Numbered(const char* prefix, int digits, uint32_t index) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%0*u.png", prefix, digits, index);
    return name;
}

// The copy must lie in the folder itself: a name, not a path.
bool PlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

std::string Hex(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08x", value);
    return text;
}

}  // namespace

std::string PictureFileName(uint32_t index) { return Numbered("cg_", 3, index); }
std::string FrameFileName(uint32_t index) { return Numbered("frame_", 5, index); }

Json ManifestHead(const char* kind, const std::string& originalName, const std::vector<uint8_t>& original) {
    return Json{{"kind", kind},
                {"original", originalName},
                {"original_size", original.size()},
                {"original_crc32", Hex(Crc32(original))}};
}

bool WriteFolder(const std::filesystem::path& folder, const Json& manifest, const std::vector<uint8_t>& original,
                 std::string* error) {
    const std::string* name = TextMember(manifest, "original");  // as ManifestHead put it
    std::string text;
    if (name == nullptr || !FormatJson(manifest, &text, error)) {
        *error = Shown(folder / kManifestName) + ": cannot be written" + (name == nullptr ? "" : " (" + *error + ")");
        return false;
    }
    return WriteFileAtomically(folder / *name, original, error) &&
           WriteFileAtomically(folder / kManifestName, std::vector<uint8_t>(text.begin(), text.end()), error);
}

bool ReadFolderOriginal(const std::filesystem::path& folder, const char* kind, std::vector<uint8_t>* original,
                        std::string* error) {
    std::vector<uint8_t> text;
    if (!ReadWholeFile(folder / kManifestName, &text, error)) return false;
    std::string reason;
    const std::string where = Shown(folder / kManifestName) + ": ";
    Json manifest;
    if (!ParseJson(std::string(text.begin(), text.end()), &manifest, &reason)) {
        *error = where + "not a manifest (" + reason + ")";
        return false;
    }
    const std::string* kindText = TextMember(manifest, "kind");
    if (kindText == nullptr || *kindText != kind) {
        *error = where + "not the manifest of an extracted " +
                 (std::string(kind) == kArchiveFolderKind ? "archive" : "movie");
        return false;
    }
    const std::string* name = TextMember(manifest, "original");
    const std::string* crc = TextMember(manifest, "original_crc32");
    if (name == nullptr || !PlainName(*name) || crc == nullptr) {
        *error = where + "does not name the original file of the folder";
        return false;
    }
    // The name is UTF-8, as every JSON string; the path takes it as such on every system.
    const std::filesystem::path copy = folder / std::filesystem::path(std::u8string(name->begin(), name->end()));
    if (!ReadWholeFile(copy, original, error)) return false;
    if (Hex(Crc32(*original)) != *crc) {
        *error = Shown(copy) + ": not the file this folder was extracted from (its CRC-32 differs)";
        return false;
    }
    return true;
}

bool PrepareExtractFolder(const std::filesystem::path& folder, bool force, std::string* error) {
    std::error_code code;
    if (!force && std::filesystem::exists(folder, code) && !std::filesystem::is_empty(folder, code)) {
        *error = Shown(folder) + ": the folder holds files already; give an empty one, or --force to overwrite";
        return false;
    }
    std::filesystem::create_directories(folder, code);
    if (code) {
        *error = Shown(folder) + ": " + code.message();
        return false;
    }
    return true;
}

}  // namespace assetkit
