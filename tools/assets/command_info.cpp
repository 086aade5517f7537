#include <cstdio>
#include <cstring>

#include "platform/wave_header.h"
#include "tools/assets/archive_file.h"
#include "tools/assets/commands.h"
#include "tools/assets/entry_picture.h"
#include "tools/assets/files.h"
#include "tools/assets/json.h"
#include "tools/assets/movie_file.h"

namespace assetkit {
namespace {

int ArchiveInfo(const std::string& path, const ArchiveFile& archive, const CommandArgs& args) {
    if (args.json) {
        std::printf("{\"kind\": \"archive\", \"file\": %s, \"size\": %zu, \"entries\": [", JsonQuoted(path).c_str(),
                    archive.bytes.size());
    } else {
        std::printf("archive %s: %zu entries, %zu bytes\n", path.c_str(), archive.entries.size(), archive.bytes.size());
        std::printf("%5s %10s %10s  %-22s %s\n", "entry", "offset", "size", "format", "width x height");
    }
    for (size_t i = 0; i < archive.entries.size(); ++i) {
        const Slot slot = archive.entries[i];
        const EntryHeader header = InspectEntry(archive.bytes.data() + slot.offset, slot.size);
        if (args.json) {
            std::printf(
                "%s\n  {\"index\": %zu, \"offset\": %u, \"size\": %u, \"format\": \"%s\", \"width\": %d, "
                "\"height\": %d}",
                i == 0 ? "" : ",", i, slot.offset, slot.size, FormatName(header.format), header.width, header.height);
        } else if (IsPicture(header.format)) {
            std::printf("%5zu %10u %10u  %-22s %d x %d\n", i, slot.offset, slot.size, FormatWords(header.format),
                        header.width, header.height);
        } else {
            std::printf("%5zu %10u %10u  %s\n", i, slot.offset, slot.size, FormatWords(header.format));
        }
    }
    if (args.json) std::printf("\n]}\n");
    return 0;
}

int MovieInfo(const std::string& path, const MovieFile& movie, const CommandArgs& args) {
    FrameSize size;
    std::string reason;
    if (!FrameSizeOf(path, movie, &size, &reason)) return Fail(path + ": " + reason);
    if (args.json) {
        std::printf(
            "{\"kind\": \"movie\", \"file\": %s, \"size\": %zu, \"width\": %d, \"height\": %d, \"frame_count\": %zu",
            JsonQuoted(path).c_str(), movie.bytes.size(), size.width, size.height, movie.frames.size());
        if (args.frames) {
            std::printf(", \"frames\": [");
            for (size_t i = 0; i < movie.frames.size(); ++i) {
                std::printf("%s\n  {\"index\": %zu, \"offset\": %u, \"size\": %u}", i == 0 ? "" : ",", i,
                            movie.frames[i].offset, movie.frames[i].size);
            }
            std::printf("\n]");
        }
        std::printf("}\n");
        return 0;
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
        std::printf(
            "{\"kind\": \"wave\", \"file\": %s, \"encoding\": \"%s\", \"channels\": %u, \"sample_rate\": %u, "
            "\"bits_per_sample\": %u, \"length_ms\": %u}\n",
            JsonQuoted(path).c_str(), kind, format.channels, format.samplesPerSecond, format.bitsPerSample,
            wave.lengthMs);
    } else {
        std::printf("wave %s: %s, %u channel%s, %u Hz, %u-bit, %u ms\n", path.c_str(), kind, format.channels,
                    format.channels == 1 ? "" : "s", format.samplesPerSecond, format.bitsPerSample, wave.lengthMs);
    }
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
