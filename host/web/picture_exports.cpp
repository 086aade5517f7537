// The Pictures view's entry points, called by pictures.js. Pictures go in and archives come out
// through the module's file system; texts are lines of tab-separated fields, good until the next
// call.
#include <emscripten.h>

#include <string>
#include <vector>

#include "demo/scenes/picture_roles.h"
#include "host/web/picture_edits.h"
#include "platform/file.h"
#include "platform/file_write.h"

namespace {

web::PictureEdits edits;
std::string answer;
std::vector<uint8_t> pixels;

// Whole files through the platform's calls: the asset tool's own (std::filesystem and iostreams)
// would add more to the module than all of pack's code.
bool ReadWhole(const char* path, std::vector<uint8_t>* bytes, std::string* error) {
    platform::ReadFile file;
    uint32_t size = 0;
    uint32_t got = 0;
    if (file.Open(path) && file.Size(&size)) {
        bytes->resize(size);
        if (file.Read(bytes->data(), size, &got) && got == size) return true;
    }
    *error = std::string(path) + ": cannot be read";
    return false;
}

const char* Answer(std::string text) {
    answer = std::move(text);
    return answer.c_str();
}

}  // namespace

extern "C" {

// Opens the archive for editing: "" or why it cannot be.
EMSCRIPTEN_KEEPALIVE const char* PreloPicturesOpen(const char* archive) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadWhole(archive, &bytes, &error)) return Answer(error);
    return Answer(edits.Open(std::move(bytes), &error) ? "" : std::string(archive) + ": " + error);
}

// A line a picture: index, format, width, height, 1 when replaced.
EMSCRIPTEN_KEEPALIVE const char* PreloPictureList() {
    std::string text;
    for (const web::PictureEdits::Entry& entry : edits.Pictures()) {
        text += std::to_string(entry.index) + '\t' + entry.format + '\t' + std::to_string(entry.width) + '\t' +
                std::to_string(entry.height) + '\t' + (entry.replaced ? "1" : "0") + '\n';
    }
    return Answer(std::move(text));
}

// A line a window in which the scenes show a picture: index, scene, from and to in music ms,
// role in words.
EMSCRIPTEN_KEEPALIVE const char* PreloPictureRoles() {
    std::string text;
    for (const PictureRole& row : PictureRoles()) {
        text += std::to_string(row.index) + '\t' + std::to_string(row.scene) + '\t' + std::to_string(row.shownFromMs) +
                '\t' + std::to_string(row.shownToMs) + '\t' + row.role + '\n';
    }
    return Answer(std::move(text));
}

// The picture at index as width x height RGBA bytes, or null.
EMSCRIPTEN_KEEPALIVE const uint8_t* PreloPicturePixels(uint32_t index) {
    pixels = edits.Rgba(index);
    return pixels.empty() ? nullptr : pixels.data();
}

// Puts the PNG file at path, offered under name, in place of the picture at index: "" or the
// refusal, as prelo-assets pack says it.
EMSCRIPTEN_KEEPALIVE const char* PreloPictureReplace(uint32_t index, const char* name, const char* path) {
    std::vector<uint8_t> png;
    std::string refusal;
    if (!ReadWhole(path, &png, &refusal)) return Answer(refusal);
    return Answer(edits.Replace(index, name, std::move(png), &refusal) ? "" : refusal);
}

EMSCRIPTEN_KEEPALIVE void PreloPictureRestore(uint32_t index) { edits.Restore(index); }

// Writes the archive with every replacement to path: "" or why it could not be.
EMSCRIPTEN_KEEPALIVE const char* PreloPicturesWrite(const char* path) {
    const std::vector<uint8_t>& archive = edits.Archive();
    return Answer(platform::WriteFileReplacing(path, archive.data(), archive.size())
                      ? ""
                      : std::string(path) + ": cannot be written");
}

}  // extern "C"
