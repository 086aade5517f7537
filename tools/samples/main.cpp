// make-sample-assets OUTPUT_FOLDER
// Writes the demo's stand-in data set: the CG archive, both movies, the music and the settings
// file. Two runs give the same bytes.
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "sample_set.h"

namespace {

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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sample-assets OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    // The files do not depend on each other: make them side by side.
    struct Job {
        const char* name;
        std::vector<uint8_t> (*make)();
        std::vector<uint8_t> bytes;
    };
    Job jobs[] = {{"Prelo.zpx", samples::MakeArchive, {}},
                  {"Prelo.moz", [] { return samples::MakeMovie(640, 480); }, {}},
                  {"PreloM.moz", [] { return samples::MakeMovie(240, 180); }, {}},
                  {"Vuvi01.wav", samples::MakeMusic, {}},
                  {"Prelo.ini", samples::MakeSettings, {}}};
    std::vector<std::thread> workers;
    for (Job& job : jobs) workers.emplace_back([&job] { job.bytes = job.make(); });
    for (std::thread& worker : workers) worker.join();
    bool ok = true;
    for (const Job& job : jobs) ok = WriteFile(folder + job.name, job.bytes) && ok;
    return ok ? 0 : 1;
}
