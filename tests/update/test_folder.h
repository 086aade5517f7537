#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace update::testing {

// A fresh folder under the system's temporary folder, removed with what the test made in it.
// Paths end in the platform's separator, so plain names can be appended.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return path_; }
    // relative uses '/' between parts; created under Path().
    std::string MakeFolder(const std::string& relative);
    std::string Write(const std::string& relative, const std::string& bytes);
    // Empty with ok = false when the file cannot be read.
    std::string Read(const std::string& relative, bool* ok = nullptr) const;
    bool Exists(const std::string& relative) const;
    void SetReadOnly(const std::string& relative, bool readOnly);
    bool IsReadOnly(const std::string& relative) const;
    // Every name in the folder (not below), sorted.
    std::vector<std::string> List(const std::string& relative = "") const;

private:
    std::string Native(const std::string& relative) const;
    void RemoveTree(const std::string& relative);
    std::string path_;
    std::vector<std::string> made_;
};

}  // namespace update::testing
