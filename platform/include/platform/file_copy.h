#pragma once

#include <cstdint>

namespace platform {

// File attributes the system uses (the Windows values). Linux has only the read-only one: a file
// is read-only when its owner may not write it.
namespace attributes {
inline constexpr uint32_t kReadOnly = 0x00000001;
inline constexpr uint32_t kDirectory = 0x00000010;
inline constexpr uint32_t kNormal = 0x00000080;
}  // namespace attributes

// All names are Windows file names (see NativeFileName).

// Copies source to destination, creating or overwriting it; the copy takes the source's
// attributes. False when the source cannot be read or the destination cannot be written, which
// includes a read-only destination.
bool CopyFileOverwriting(const char* source, const char* destination);
// Renames from to to, replacing an existing to unless that is read-only or a folder.
bool MoveFileReplacing(const char* from, const char* to);
bool DeleteFileNamed(const char* name);

// Whether the system takes a file of this name at all: within its path limit (and on Linux its
// limit for one name in a folder), so that a caller can choose another way before trying.
bool NameFitsPathLimit(const char* name);

bool ReadFileAttributes(const char* name, uint32_t* attributes);
bool WriteFileAttributes(const char* name, uint32_t attributes);

}  // namespace platform
