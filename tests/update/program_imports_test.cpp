// update.exe must run on a bare system: it may import from system libraries only.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace update {
namespace {

std::string ProgramBytes() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name = path;
    name = name.substr(0, name.rfind('\\') + 1) + "update.exe";
    std::ifstream file(name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Reads a T at a file offset, or fails when the file is too short for it.
template <typename T>
bool ReadAt(const std::string& bytes, size_t offset, T* value) {
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return false;
    std::copy_n(bytes.data() + offset, sizeof(T), reinterpret_cast<char*>(value));
    return true;
}

TEST(ProgramImportsTest, OnlySystemLibrariesAreImported) {
    const std::string bytes = ProgramBytes();
    IMAGE_DOS_HEADER dos{};
    IMAGE_NT_HEADERS32 nt{};
    ASSERT_TRUE(ReadAt(bytes, 0, &dos));
    ASSERT_TRUE(ReadAt(bytes, static_cast<size_t>(dos.e_lfanew), &nt));
    ASSERT_EQ(nt.Signature, IMAGE_NT_SIGNATURE);
    const size_t sections = static_cast<size_t>(dos.e_lfanew) + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) +
                            nt.FileHeader.SizeOfOptionalHeader;
    auto fileOffset = [&](DWORD rva, size_t* offset) {
        for (WORD i = 0; i < nt.FileHeader.NumberOfSections; ++i) {
            IMAGE_SECTION_HEADER section{};
            if (!ReadAt(bytes, sections + i * sizeof section, &section)) return false;
            if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.SizeOfRawData) {
                *offset = rva - section.VirtualAddress + section.PointerToRawData;
                return true;
            }
        }
        return false;
    };

    std::set<std::string> imported;
    size_t descriptorOffset = 0;
    ASSERT_TRUE(
        fileOffset(nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress, &descriptorOffset));
    for (IMAGE_IMPORT_DESCRIPTOR descriptor{}; ReadAt(bytes, descriptorOffset, &descriptor) && descriptor.Name != 0;
         descriptorOffset += sizeof descriptor) {
        size_t nameOffset = 0;
        ASSERT_TRUE(fileOffset(descriptor.Name, &nameOffset));
        std::string name = bytes.c_str() + nameOffset;
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        imported.insert(name);
    }
    const std::set<std::string> system = {"advapi32.dll", "comctl32.dll", "gdi32.dll",
                                          "kernel32.dll", "msvcrt.dll",   "user32.dll"};
    EXPECT_FALSE(imported.empty());
    for (const std::string& name : imported) EXPECT_EQ(system.count(name), 1u) << name << " is not a system library";
}

}  // namespace
}  // namespace update
