#pragma once

#include <cstdint>

#include "demo/assets/dib_surface.h"
#include "demo/assets/file_reader.h"
#include "demo/base/byte_buffer.h"
#include "platform/window.h"

// One record of the movie's frame index.
struct MovieFrameEntry {
    int32_t offset = 0;
    int32_t size = 0;
};

// The movie ("MOZ1"): 8-bit palettised frames, each one zlib stream, fetched by number through
// the index. Frames inflate straight into an 8-bit DIB section of width x (height + 5) rows; the
// five extra rows carry each frame's 1024-byte palette.
class MovieFile {
public:
    static constexpr int32_t kPaletteRows = 5;

    MovieFile() = default;
    ~MovieFile() { Close(); }
    MovieFile(const MovieFile&) = delete;
    MovieFile& operator=(const MovieFile&) = delete;

    // Opens "Prelo.moz" (640 x 480) or, failing that, "PreloM.moz" (240 x 180).
    bool Open(platform::Window mainWindow);
    // The same with other file names; fullName is tried first.
    bool OpenFiles(platform::Window mainWindow, const char* fullName, const char* smallName);
    // Closes the file, frees the index and releases the DIB section. Harmless when closed.
    void Close();

    int32_t FrameCount() const { return frameCount_; }
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    bool FullSize() const { return fullSize_; }
    DibSurface& Surface() { return surface_; }

    // Reads frame index's compressed bytes into buffer (replacing its contents).
    bool FetchFrame(int32_t index, ByteBuffer& buffer);
    // Inflates frame index into the DIB and takes its palette. A damaged stream still counts as
    // decoded (true); the palette then stays as it was.
    bool DecodeFrame(int32_t index);
    // Copies the decoded frame to the window given to Open: at (0, 0) for the full-size movie,
    // centred in 640 x 480 for the small one.
    bool ShowFrame();

private:
    MovieFrameEntry* entries_ = nullptr;
    int32_t entryCapacity_ = 0;
    DibSurface surface_;
    platform::Window window_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
    FileReader reader_;
    int32_t frameCount_ = 0;
    bool fullSize_ = true;
};
