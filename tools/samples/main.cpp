// make-sample-assets OUTPUT_FOLDER
// Writes the demo's stand-in data set: the CG archive, both movies, the music and the settings
// file. The output depends on nothing but this program (and the font files it renders with), so
// two runs give the same bytes.
#include <cstdio>
#include <string>
#include <vector>

#include "album.h"
#include "archive_writer.h"
#include "movie_frames.h"
#include "movie_writer.h"
#include "music.h"
#include "wav_writer.h"

namespace {

constexpr int32_t kArchiveEntries = 59;  // the highest index a scene loads is 58
constexpr uint32_t kSampleRate = 22050;
constexpr float kMusicSeconds = 126.0f;  // the last scene ends at 124.634 s
constexpr int kMovieCompression = 6;

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) {
        std::fprintf(stderr, "make-sample-assets: nothing to write for %s\n", path.c_str());
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "make-sample-assets: cannot create %s\n", path.c_str());
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) std::fprintf(stderr, "make-sample-assets: cannot write %s\n", path.c_str());
    return written && closed;
}

std::vector<uint8_t> MakeArchive() {
    samples::Album album(kArchiveEntries);
    samples::AddOpeningPictures(album);
    samples::AddBackdropPictures(album);
    samples::AddSpinPictures(album);
    samples::AddTunnelPictures(album);
    samples::AddClosingPictures(album);
    if (!album.Complete()) {
        std::fprintf(stderr, "make-sample-assets: a picture could not be made (are the fonts installed?)\n");
        return {};
    }
    return tools::PackArchive(album.Pictures());
}

std::vector<uint8_t> MakeMovie(int32_t width, int32_t height) {
    const samples::MovieRenderer renderer(width, height);
    tools::MovieWriter writer(width, height, kMovieCompression);
    std::vector<uint8_t> indices;
    tools::Palette palette;
    const int32_t frames = static_cast<int32_t>(samples::kMovieSeconds) * samples::kMovieFramesPerSecond;
    for (int32_t i = 0; i < frames; ++i) {
        renderer.Render(static_cast<float>(i) / samples::kMovieFramesPerSecond, indices, palette);
        if (!writer.AddFrame(indices, palette)) return {};
    }
    return writer.Finish();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sample-assets OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const std::string ini = "2\r\n";
    bool ok = WriteFile(folder + "Prelo.zpx", MakeArchive());
    ok = WriteFile(folder + "Prelo.moz", MakeMovie(640, 480)) && ok;
    ok = WriteFile(folder + "PreloM.moz", MakeMovie(240, 180)) && ok;
    ok = WriteFile(folder + "Vuvi01.wav", tools::WriteWav16(samples::SynthesiseMusic(kSampleRate, kMusicSeconds), 1,
                                                             kSampleRate)) &&
         ok;
    ok = WriteFile(folder + "Prelo.ini", std::vector<uint8_t>(ini.begin(), ini.end())) && ok;
    return ok ? 0 : 1;
}
