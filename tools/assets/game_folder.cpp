#include "tools/assets/game_folder.h"

#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/byte_reader.h"
#include "platform/file_name.h"
#include "platform/wave_header.h"
#include "tools/assets/archive_file.h"
#include "tools/assets/entry_picture.h"
#include "tools/assets/files.h"
#include "tools/assets/movie_file.h"

namespace assetkit {
namespace {

namespace fs = std::filesystem;

constexpr const char* kArchive = "Prelo.zpx";
constexpr const char* kMovies[] = {"Prelo.moz", "PreloM.moz"};
constexpr const char* kMusic = "Vuvi01.wav";
constexpr const char* kSettings = "Prelo.ini";
// Wave headers end long before this; the samples themselves are never read.
constexpr size_t kWaveHeaderLimit = 64 * 1024;

// The file as the demo would open it in folder, or empty.
std::string Found(const std::string& folder, const char* name) {
    const std::string path = platform::FileNameAsFound((fs::path(folder) / name).string());
    std::error_code code;
    return fs::is_regular_file(path, code) ? path : std::string();
}

// "<path>: <fault>" for the file's bytes, or the reason it cannot be read; empty when all is well.
std::string FileFault(const std::string& path, const std::function<std::string(std::vector<uint8_t>)>& fault) {
    std::vector<uint8_t> bytes;
    std::string reason;
    if (!ReadWholeFile(path, &bytes, &reason)) return reason;
    reason = fault(std::move(bytes));
    return reason.empty() ? reason : path + ": " + reason;
}

struct Music {
    platform::WaveLayout layout{};
    uint64_t fileSize = 0;
    uint64_t declaredBytes = 0;  // what the header says the data chunk holds
};

bool ReadMusic(const GameFiles& files, Music* music, std::string* error) {
    std::error_code code;
    music->fileSize = fs::file_size(files.music, code);
    std::vector<uint8_t> head(kWaveHeaderLimit);
    std::ifstream in(files.music, std::ios::binary);
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(in.gcount()));
    if (code || !platform::ParseWaveHeader(head.data(), head.size(), music->fileSize, &music->layout)) {
        *error = files.music + ": the music is unreadable (not a wave file the demo can play)";
        return false;
    }
    platform::ByteReader size(head.data(), head.size());
    size.Seek(music->layout.dataOffset - 4);
    music->declaredBytes = size.U32();
    return true;
}

std::string Seconds(uint64_t bytes, uint32_t bytesPerSecond) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(bytes) / bytesPerSecond);
    return text;
}

}  // namespace

std::string ArchiveFault(std::vector<uint8_t> bytes) {
    ArchiveFile archive;
    std::string reason;
    if (!ReadArchive(std::move(bytes), &archive, &reason)) {
        return reason.rfind("not a picture archive", 0) == 0 ? "not a picture archive" : "damaged (" + reason + ")";
    }
    for (size_t i = 0; i < archive.entries.size(); ++i) {
        const Slot& slot = archive.entries[i];
        const uint8_t* data = archive.bytes.data() + slot.offset;
        const EntryFormat format = InspectEntry(data, slot.size).format;
        if (format == EntryFormat::kEmpty) continue;
        // An entry whose header no decoder takes is damage too, as the demo meets it.
        if (format == EntryFormat::kUnknown) return "entry " + std::to_string(i) + " is damaged (no picture header)";
        EntryPicture picture;
        if (!DecodeEntry(data, slot.size, &picture, &reason)) {
            return "entry " + std::to_string(i) + " is damaged (" + reason + ")";
        }
    }
    return std::string();
}

std::string MovieFault(const std::vector<uint8_t>& bytes, const std::string& movieName) {
    platform::ByteReader header(bytes.data(), bytes.size());
    if (!header.Expect("MOZ1", 4)) return "not a movie";
    const int32_t count = header.I32();
    header.Skip(12);
    if (header.Failed() || count <= 0) return "damaged (no frames)";
    const std::string ofAll = " of " + std::to_string(count);
    if (!header.Has(static_cast<uint64_t>(count) * 8)) return "the movie is cut short in its index";
    FrameSize size;
    if (!FrameSizeForName(movieName, &size)) return "not a name the demo opens a movie by";
    FrameDecoder decoder(size);
    for (int32_t frame = 0; frame < count; ++frame) {
        const int32_t offset = header.I32();
        const int32_t length = header.I32();
        const std::string which = std::to_string(frame) + ofAll;
        if (offset < 0 || length <= 0) return "frame " + which + " is damaged";
        if (static_cast<uint64_t>(offset) + static_cast<uint64_t>(length) > bytes.size()) {
            return "the movie is cut short at frame " + which;
        }
        if (!decoder.Decode(bytes.data() + offset, static_cast<size_t>(length))) {
            return "frame " + which + " is damaged";
        }
    }
    return std::string();
}

bool FindGameFiles(const std::string& folder, GameFiles* files, std::string* error) {
    std::error_code code;
    if (!fs::exists(folder, code)) {
        *error = "there is no folder " + folder;
        return false;
    }
    if (!fs::is_directory(folder, code)) {
        *error = folder + " is not a folder";
        return false;
    }
    GameFiles found;
    found.folder = folder;
    found.archive = Found(folder, kArchive);
    for (const char* name : kMovies) {
        if (!found.movie.empty()) break;
        found.movie = Found(folder, name);
        found.movieName = name;
    }
    found.music = Found(folder, kMusic);
    found.settings = Found(folder, kSettings);
    *files = found;
    return true;
}

std::string MissingFiles(const GameFiles& files) {
    std::string missing;
    auto lacks = [&missing](const std::string& path, const char* name) {
        if (path.empty()) missing += (missing.empty() ? "" : ", ") + std::string(name);
    };
    lacks(files.archive, kArchive);
    lacks(files.movie, "Prelo.moz (or PreloM.moz)");
    lacks(files.music, kMusic);
    return missing.empty() ? missing : "the folder " + files.folder + " lacks " + missing;
}

bool MusicReadable(const GameFiles& files, std::string* error) {
    Music music;
    return ReadMusic(files, &music, error);
}

Fault FindFault(const GameFiles& files) {
    std::string line = MissingFiles(files);
    if (!line.empty()) return {Fault::kMissing, line};
    line = FileFault(files.archive, [](std::vector<uint8_t> bytes) { return ArchiveFault(std::move(bytes)); });
    if (line.empty()) {
        line =
            FileFault(files.movie, [&files](std::vector<uint8_t> bytes) { return MovieFault(bytes, files.movieName); });
    }
    if (line.empty()) MusicReadable(files, &line);
    return {line.empty() ? Fault::kNone : Fault::kDamaged, line};
}

std::string MusicShortfall(const GameFiles& files) {
    Music music;
    std::string error;
    if (!ReadMusic(files, &music, &error)) return std::string();
    const uint32_t rate = music.layout.bytesPerSecond;
    const uint64_t held = music.layout.dataSize;
    if (rate == 0 || held + rate > music.declaredBytes) return std::string();  // less than a second short
    return files.music + " holds " + Seconds(held, rate) + " of music where its header says " +
           Seconds(music.declaredBytes, rate) + ": the demo ends where the music does";
}

}  // namespace assetkit
