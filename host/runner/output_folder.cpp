#include "host/runner/output_folder.h"

#include <filesystem>
#include <fstream>

namespace host {
namespace {

namespace fs = std::filesystem;

// Whether a file can be made in the folder: permissions alone do not show a read-only or full
// file system.
bool TakesFiles(const fs::path& folder) {
    const fs::path probe = folder / ".prelo-write-test";
    bool written = false;
    {
        std::ofstream file(probe, std::ios::binary | std::ios::trunc);
        written = static_cast<bool>(file << "x") && static_cast<bool>(file.flush());
    }
    std::error_code ignored;
    fs::remove(probe, ignored);
    return written;
}

}  // namespace

OutputFolders::~OutputFolders() {
    for (auto folder = made_.rbegin(); folder != made_.rend(); ++folder) {
        std::error_code ignored;
        if (fs::is_empty(*folder, ignored)) fs::remove(*folder, ignored);
    }
}

bool OutputFolders::Make(const std::string& path, std::string* error) {
    const fs::path folder(path);
    fs::path part;
    for (const fs::path& name : folder) {
        part /= name;
        std::error_code code;
        if (fs::is_directory(part, code)) continue;
        if (fs::exists(part, code)) {
            *error = "cannot make the output folder " + path + ": " + part.string() + " is not a folder";
            return false;
        }
        if (fs::create_directory(part, code)) {
            made_.push_back(part.string());
        } else if (code) {
            *error = "cannot make the output folder " + path + ": " + code.message();
            return false;
        }
    }
    if (!TakesFiles(folder)) {
        *error = "cannot write into the output folder " + path;
        return false;
    }
    return true;
}

}  // namespace host
