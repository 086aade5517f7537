#include <cstdio>
#include <cstring>

#include "platform/wave_header.h"
#include "tools/assets/archive_file.h"
#include "tools/assets/commands.h"
#include "tools/assets/entry_picture.h"
#include "tools/assets/entry_roles.h"
#include "tools/assets/files.h"
#include "tools/assets/json_text.h"
#include "tools/assets/movie_file.h"

namespace assetkit {
namespace {

// info --json: the value on standard output, or a reason.
int PrintJson(const std::string& path, Json value) {
    std::string text, reason;
    if (!FormatJson(value, &text, &reason)) return Fail(path + ": cannot be written as JSON (" + reason + ")");
    std::fputs(text.c_str(), stdout);
    return 0;
}

int ArchiveInfo(const std::string& path, const ArchiveFile& archive, const CommandArgs& args) {
    Json entries = Json::array();
    if (!args.json) {
        std::printf("archive %s: %zu entries, %zu bytes\n", path.c_str(), archive.entries.size(), archive.bytes.size());
        std::printf("%5s %10s %10s  %-22s %-14s  %s\n", "entry", "offset", "size", "format", "width x height",
                    "on screen");
    }
    for (size_t i = 0; i < archive.entries.size(); ++i) {
        const Slot slot = archive.entries[i];
        const EntryHeader header = InspectEntry(archive.bytes.data() + slot.offset, slot.size);
        if (args.json) {
            entries.push_back({{"index", i},
                               {"offset", slot.offset},
                               {"size", slot.size},
                               {"format", FormatName(header.format)},
                               {"width", header.width},
                               {"height", header.height}});
            if (Json roles = RolesJson(i); !roles.empty()) entries.back()["on_screen"] = std::move(roles);
        } else if (IsPicture(header.format)) {
            const std::string size = std::to_string(header.width) + " x " + std::to_string(header.height);
            const std::string roles = RolesText(i);
            if (roles.empty()) {
                std::printf("%5zu %10u %10u  %-22s %s\n", i, slot.offset, slot.size, FormatWords(header.format),
                            size.c_str());
            } else {
                std::printf("%5zu %10u %10u  %-22s %-14s  %s\n", i, slot.offset, slot.size, FormatWords(header.format),
                            size.c_str(), roles.c_str());
            }
        } else {
            std::printf("%5zu %10u %10u  %s\n", i, slot.offset, slot.size, FormatWords(header.format));
        }
    }
    if (!args.json) return 0;
    return PrintJson(
        path,
        {{"kind", "archive"}, {"file", Shown(path)}, {"size", archive.bytes.size()}, {"entries", std::move(entries)}});
}

int MovieInfo(const std::string& path, const MovieFile& movie, const CommandArgs& args) {
    FrameSize size;
    std::string reason;
    if (!FrameSizeOf(path, movie, &size, &reason)) return Fail(path + ": " + reason);
    if (args.json) {
        Json info{{"kind", "movie"},     {"file", Shown(path)},   {"size", movie.bytes.size()},
                  {"width", size.width}, {"height", size.height}, {"frame_count", movie.frames.size()}};
        if (args.frames) {
            Json frames = Json::array();
            for (size_t i = 0; i < movie.frames.size(); ++i) {
                frames.push_back({{"index", i}, {"offset", movie.frames[i].offset}, {"size", movie.frames[i].size}});
            }
            info["frames"] = std::move(frames);
        }
        return PrintJson(path, std::move(info));
    }
    std::printf("movie %s: %zu frames of %d x %d, %zu bytes\n", path.c_str(), movie.frames.size(), size.width,
                size.height, movie.bytes.size());
    if (args.frames) {
        std::printf("%5s %10s %10s\n", "frame", "offset", "size");
        for (size_t i = 0; i < movie.frames.size(); ++i) {
            std::printf("%5zu %10u %10u\n", i, movie.frames[i].offset, movie.frames[i].size);
        }
    }
    return 0;
}

int WavInfo(const std::string& path, const std::vector<uint8_t>& bytes, const CommandArgs& args) {
    platform::WaveLayout wave{};
    if (!platform::ParseWaveHeader(bytes.data(), bytes.size(), bytes.size(), &wave)) {
        return Fail(path + ": a damaged WAV file");
    }
    const char* kind = wave.formatTag == platform::kWavePcm ? "PCM" : "non-PCM";
    const platform::WaveFormat& format = wave.format;
    if (args.json) {
        return PrintJson(path, {{"kind", "wave"},
                                {"file", Shown(path)},
                                {"encoding", kind},
                                {"channels", format.channels},
                                {"sample_rate", format.samplesPerSecond},
                                {"bits_per_sample", format.bitsPerSample},
                                {"length_ms", wave.lengthMs}});
    }
    std::printf("wave %s: %s, %u channel%s, %u Hz, %u-bit, %u ms\n", path.c_str(), kind, format.channels,
                format.channels == 1 ? "" : "s", format.samplesPerSecond, format.bitsPerSample, wave.lengthMs);
    return 0;
}

bool StartsWith(const std::vector<uint8_t>& bytes, const char* magic) {
    const size_t n = std::strlen(magic);
    return bytes.size() >= n && std::memcmp(bytes.data(), magic, n) == 0;
}

}  // namespace

int RunInfo(const CommandArgs& args) {
    const std::string& path = args.operands[0];
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!ReadWholeFile(path, &bytes, &reason)) return Fail(reason);
    if (StartsWith(bytes, "ZPX0")) {
        ArchiveFile archive;
        if (!ReadArchive(std::move(bytes), &archive, &reason)) return Fail(path + ": " + reason);
        return ArchiveInfo(path, archive, args);
    }
    if (StartsWith(bytes, "MOZ1")) {
        MovieFile movie;
        if (!ReadMovie(std::move(bytes), &movie, &reason)) return Fail(path + ": " + reason);
        return MovieInfo(path, movie, args);
    }
    if (StartsWith(bytes, "RIFF")) return WavInfo(path, bytes, args);
    return Fail(path + ": neither a picture archive, a movie nor a WAV file");
}

int Fail(const std::string& line) {
    std::fprintf(stderr, "prelo-assets: %s\n", line.c_str());
    return 1;
}

}  // namespace assetkit
