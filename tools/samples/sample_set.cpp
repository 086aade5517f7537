#include "sample_set.h"

#include <cstdio>
#include <string>

#include "album.h"
#include "archive_writer.h"
#include "movie_frames.h"
#include "movie_writer.h"
#include "music.h"
#include "wav_writer.h"

namespace samples {
namespace {

// Level 6 halves the movie against level 1 for about a second more of generation.
constexpr int kMovieCompression = 6;

}  // namespace

std::vector<uint8_t> MakeArchive() {
    Album album(kArchiveEntries);
    AddOpeningPictures(album);
    AddBackdropPictures(album);
    AddSpinPictures(album);
    AddTunnelPictures(album);
    AddClosingPictures(album);
    if (!album.Complete()) {
        std::fprintf(stderr, "make-sample-assets: a picture could not be made (are the fonts installed?)\n");
        return {};
    }
    return tools::PackArchive(album.Pictures());
}

std::vector<uint8_t> MakeMovie(int32_t width, int32_t height) {
    const MovieRenderer renderer(width, height);
    tools::MovieWriter writer(width, height, kMovieCompression);
    std::vector<uint8_t> indices;
    tools::Palette palette;
    const int32_t frames = static_cast<int32_t>(kMovieSeconds) * kMovieFramesPerSecond;
    for (int32_t i = 0; i < frames; ++i) {
        renderer.Render(static_cast<float>(i) / kMovieFramesPerSecond, indices, palette);
        if (!writer.AddFrame(indices, palette)) return {};
    }
    return writer.Finish();
}

std::vector<uint8_t> MakeMusic() {
    return tools::WriteWav16(SynthesiseMusic(kMusicSampleRate, kMusicSeconds), 1, kMusicSampleRate);
}

std::vector<uint8_t> MakeSettings() {
    const std::string text = "2\r\n";  // the music number the host plays by default
    return {text.begin(), text.end()};
}

}  // namespace samples
