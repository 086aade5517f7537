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
// attributes. False when the source cannot be read to its end or the destination cannot be
// written, which includes a read-only destination; destination may then hold part of the copy.
bool CopyFileOverwriting(const char* source, const char* destination);

// Overwrites destination, creating it where it is missing, with source's bytes in place: the way
// left where no other file can be made beside it. The source is read whole first, and what goes
// past destination's old end is written and on the disk before any old byte changes, so an
// unreadable source, a full disk or a file-size limit fail with destination as it was (one it
// made is removed again). Only a write failing over space the file already held can still leave
// it changed. Attributes and refusals are those of CopyFileOverwriting.
bool RewriteFileInPlace(const char* source, const char* destination);

// What trying to make a new file came to.
enum class NewFile {
    kMade,     // there now, empty (a file of that name already there is emptied)
    kRefused,  // the system takes no file of that name: the folder refuses new files, the name is
               // a folder's, or too long
    kFailed,   // any other failure (a missing folder, a full disk)
};
NewFile MakeEmptyFile(const char* name);
// Renames from to to, replacing an existing to unless that is read-only or a folder.
bool MoveFileReplacing(const char* from, const char* to);
bool DeleteFileNamed(const char* name);

// Whether the system takes a file of this name at all: within its path limit (and on Linux its
// limit for one name in a folder), so that a caller can choose another way before trying.
bool NameFitsPathLimit(const char* name);

bool ReadFileAttributes(const char* name, uint32_t* attributes);
bool WriteFileAttributes(const char* name, uint32_t attributes);

}  // namespace platform
