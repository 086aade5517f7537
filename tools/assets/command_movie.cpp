#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "movie_writer.h"
#include "tools/assets/commands.h"
#include "tools/assets/files.h"
#include "tools/assets/folder_manifest.h"
#include "tools/assets/movie_file.h"
#include "tools/assets/movie_frame_png.h"
#include "tools/assets/progress.h"

namespace assetkit {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOriginalMovie = "original.moz";
constexpr int kFrameCompression = 6;
constexpr size_t kMostRefusalsShown = 20;
// The movie scene spreads the frames over its 43 seconds, whatever their number.
constexpr int kMovieSeconds = 43;

std::string Quoted(const std::string& text) {
#ifdef _WIN32
    return "\"" + text + "\"";
#else
    std::string out = "'";
    for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
#endif
}

#ifdef _WIN32
constexpr const char* kQuietly = " >NUL 2>&1";
#else
constexpr const char* kQuietly = " >/dev/null 2>&1";
#endif

int WriteVideo(const fs::path& folder, size_t frames, const std::string& video) {
    if (std::system((std::string("ffmpeg -version") + kQuietly).c_str()) != 0) {
        return Fail("--mp4: ffmpeg is not installed; the frames are in " + Shown(folder));
    }
    const std::string command = "ffmpeg -y -loglevel error -framerate " + std::to_string(frames) + "/" +
                                std::to_string(kMovieSeconds) + " -i " + Quoted(Shown(folder / "frame_%05d.png")) +
                                " -c:v libx264 -pix_fmt yuv420p " + Quoted(video);
    if (std::system(command.c_str()) != 0) return Fail("--mp4: ffmpeg could not write " + video);
    std::printf("movie-extract: video in %s\n", video.c_str());
    return 0;
}

std::optional<png::Image> ReadFramePng(const fs::path& path, std::string* error) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, &bytes, error)) return std::nullopt;
    png::Image image;
    if (!png::Decode(bytes.data(), bytes.size(), &image, error)) {
        *error = Shown(path) + ": unreadable PNG: " + *error;
        return std::nullopt;
    }
    return image;
}

// The original a folder was extracted from, when it was; a folder of PNGs alone has none.
struct Original {
    MovieFile movie;
    std::unique_ptr<FrameDecoder> decoder;
};

bool ReadOriginal(const fs::path& folder, FrameSize size, std::optional<Original>* original, std::string* error) {
    std::error_code code;
    if (!fs::exists(folder / kManifestName, code)) return true;
    std::vector<uint8_t> bytes;
    Original read;
    if (!ReadFolderOriginal(folder, kMovieFolderKind, &bytes, error)) return false;
    if (!ReadMovie(std::move(bytes), &read.movie, error)) {
        *error = Shown(folder / kOriginalMovie) + ": " + *error;
        return false;
    }
    read.decoder = std::make_unique<FrameDecoder>(size);
    *original = std::move(read);
    return true;
}

}  // namespace

int RunMovieExtract(const CommandArgs& args) {
    const fs::path source = args.operands[0], folder = args.operands[1];
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!ReadWholeFile(source, &bytes, &reason)) return Fail(reason);
    MovieFile movie;
    if (!ReadMovie(std::move(bytes), &movie, &reason)) return Fail(Shown(source) + ": " + reason);
    FrameSize size;
    if (!FrameSizeOf(Shown(source), movie, &size, &reason)) return Fail(Shown(source) + ": " + reason);
    if (!PrepareExtractFolder(folder, args.force, &reason)) return Fail(reason);

    FrameDecoder decoder(size);
    Json frames = Json::array();
    size_t damaged = 0;
    {
        Progress progress("movie-extract", movie.frames.size());
        for (size_t i = 0; i < movie.frames.size(); ++i) {
            const Slot slot = movie.frames[i];
            const bool clean = decoder.Decode(movie.bytes.data() + slot.offset, slot.size);
            damaged += clean ? 0 : 1;
            const std::vector<uint8_t> file = FrameToPng(size, decoder.Indices(), decoder.Palette());
            if (file.empty() || !WriteFileAtomically(folder / FrameFileName(static_cast<uint32_t>(i)), file, &reason)) {
                return Fail(file.empty() ? "frame " + std::to_string(i) + " could not be encoded" : reason);
            }
            Json frame{{"index", i},
                       {"file", FrameFileName(static_cast<uint32_t>(i))},
                       {"offset", slot.offset},
                       {"size", slot.size}};
            if (!clean) frame["damaged"] = true;
            frames.push_back(std::move(frame));
            progress.Done(i + 1);
        }
    }
    Json manifest = ManifestHead(kMovieFolderKind, kOriginalMovie, movie.bytes);
    manifest["width"] = size.width;
    manifest["height"] = size.height;
    manifest["frames"] = std::move(frames);
    if (!WriteFolder(folder, manifest, movie.bytes, &reason)) return Fail(reason);
    std::printf("movie-extract: %zu frames of %d x %d in %s", movie.frames.size(), size.width, size.height,
                Shown(folder).c_str());
    if (damaged > 0) std::printf(" (%zu damaged, shown as the demo shows them)", damaged);
    std::printf("\n");
    return args.mp4.empty() ? 0 : WriteVideo(folder, movie.frames.size(), args.mp4);
}

int RunMoviePack(const CommandArgs& args) {
    const fs::path folder = args.operands[0], target = args.operands[1];
    std::string reason;
    size_t count = 0;
    std::error_code code;
    while (fs::exists(folder / FrameFileName(static_cast<uint32_t>(count)), code)) ++count;
    if (count == 0) return Fail(Shown(folder) + ": holds no " + FrameFileName(0));

    const std::optional<png::Image> first = ReadFramePng(folder / FrameFileName(0), &reason);
    if (!first) return Fail(reason);
    const FrameSize size{first->width, first->height};
    FrameSize named;
    if (FrameSizeForName(Shown(target), &named) && (named.width != size.width || named.height != size.height)) {
        return Fail(Shown(target) + ": the demo plays this file's frames at " + std::to_string(named.width) + " x " +
                    std::to_string(named.height) + ", but the frames are " + std::to_string(size.width) + " x " +
                    std::to_string(size.height));
    }
    if (size.width % 4 != 0) return Fail(Shown(folder / FrameFileName(0)) + ": frame widths must be a multiple of 4");
    std::optional<Original> original;
    if (!ReadOriginal(folder, size, &original, &reason)) return Fail(reason);

    std::vector<std::vector<uint8_t>> payloads(count);
    std::vector<bool> kept(count, false);
    std::vector<std::string> refusals;
    {
        Progress progress("movie-pack", count);
        for (size_t i = 0; i < count; ++i) {
            progress.Done(i + 1);
            const fs::path path = folder / FrameFileName(static_cast<uint32_t>(i));
            const std::optional<png::Image> image = i == 0 ? first : ReadFramePng(path, &reason);
            if (!image) {
                refusals.push_back(reason);
                continue;
            }
            if (image->width != size.width || image->height != size.height) {
                refusals.push_back(Shown(path) + ": is " + std::to_string(image->width) + " x " +
                                   std::to_string(image->height) + ", but the first frame is " +
                                   std::to_string(size.width) + " x " + std::to_string(size.height));
                continue;
            }
            const std::array<uint8_t, kFramePaletteBytes>* keep = nullptr;
            if (original && i < original->movie.frames.size()) {
                const Slot slot = original->movie.frames[i];
                const uint8_t* stored = original->movie.bytes.data() + slot.offset;
                original->decoder->Decode(stored, slot.size);
                if (ShowsFrame(*image, original->decoder->Indices(), original->decoder->Palette())) {
                    payloads[i].assign(stored, stored + slot.size);
                    kept[i] = true;
                    continue;
                }
                keep = &original->decoder->Palette();
            }
            std::vector<uint8_t> indices;
            tools::Palette palette;
            if (!FrameFromPng(*image, keep, &indices, &palette, &reason)) {
                refusals.push_back(Shown(path) + ": " + reason);
                continue;
            }
            payloads[i] =
                tools::MovieWriter::CompressFrame(size.width, size.height, indices, palette, kFrameCompression);
            if (payloads[i].empty()) refusals.push_back(Shown(path) + ": could not be compressed");
        }
    }
    for (size_t i = 0; i < refusals.size() && i < kMostRefusalsShown; ++i) Fail(refusals[i]);
    if (refusals.size() > kMostRefusalsShown)
        Fail("and " + std::to_string(refusals.size() - kMostRefusalsShown) + " more");
    if (!refusals.empty()) return 1;

    size_t changed = 0;
    for (const bool k : kept) changed += k ? 0 : 1;
    std::vector<uint8_t> file;
    if (original && original->movie.frames.size() == count) {
        // The original's layout, with only the changed frames replaced.
        std::vector<std::optional<std::vector<uint8_t>>> changes(count);
        for (size_t i = 0; i < count; ++i) {
            if (!kept[i]) changes[i] = std::move(payloads[i]);
        }
        const ContainerEdit edit{original->movie.bytes, original->movie.indexEnd, original->movie.frames, changes,
                                 INT32_MAX};
        std::vector<Slot> slots;
        if (!RewriteContainer(edit, &file, &slots, &reason)) return Fail(Shown(target) + ": " + reason);
        WriteIndex(file, kMovieIndexStart, slots);
    } else {
        tools::MovieWriter writer(size.width, size.height, kFrameCompression);
        for (std::vector<uint8_t>& payload : payloads) writer.AddCompressedFrame(std::move(payload));
        file = writer.Finish();
        if (original) std::copy_n(original->movie.bytes.begin() + 8, 12, file.begin() + 8);  // the unused words
    }
    if (!WriteFileAtomically(target, file, &reason)) return Fail(reason);
    std::printf("movie-pack: %s with %zu frames, %zu of them changed\n", Shown(target).c_str(), count, changed);
    return 0;
}

}  // namespace assetkit
