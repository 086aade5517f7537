#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "png/png_file.h"
#include "tools/assets/entry_picture.h"

// Entry pictures to PNG files and back.
namespace assetkit {

// 24-bit pictures as RGB, pictures with alpha as RGBA, 8-bit pictures as palette PNGs.
std::vector<uint8_t> EntryToPng(const EntryPicture& picture);

// The picture a PNG makes in the format of entry (the picture it replaces), at that format's
// precision. False with a reason for a picture the entry cannot take: another size (unless
// allowResize), transparency for an entry without alpha, no alpha for one with, colours that an
// 8-bit entry's palette lacks. resizeHint ends the size refusal with how the caller lets a new
// size through ("; --allow-resize lets it through"), or is empty where it cannot.
bool PictureFromPng(const png::Image& image, const EntryPicture& entry, bool allowResize, const char* resizeHint,
                    EntryPicture* picture, std::string* error);

}  // namespace assetkit
