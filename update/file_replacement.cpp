#include "file_replacement.h"

#include "platform/file_copy.h"

namespace update {
namespace {

constexpr char kPartialSuffix[] = "~update";

// A copy may carry the read-only attribute of its source; it must still go away.
void RemovePartial(const std::string& name) {
    platform::WriteFileAttributes(name.c_str(), platform::attributes::kNormal);
    platform::DeleteFileNamed(name.c_str());
}

}  // namespace

bool ReplaceWithCopy(const std::string& source, const std::string& destination) {
    const std::string partial = destination + kPartialSuffix;
    // Past the path limit the name beside cannot exist: the copy can only go over the old file.
    if (!platform::NameFitsPathLimit(partial.c_str())) {
        return platform::RewriteFileInPlace(source.c_str(), destination.c_str());
    }
    // Left over when an earlier run was cut off mid-copy.
    RemovePartial(partial);
    switch (platform::MakeEmptyFile(partial.c_str())) {
        case platform::NewFile::kMade:
            break;
        case platform::NewFile::kRefused:
            return platform::RewriteFileInPlace(source.c_str(), destination.c_str());
        case platform::NewFile::kFailed:
            return false;
    }
    // From here on every failure (a full disk, a source that cannot be read) is the copy's own:
    // the old file is still whole, and stays so.
    if (!platform::CopyFileOverwriting(source.c_str(), partial.c_str()) ||
        !platform::MoveFileReplacing(partial.c_str(), destination.c_str())) {
        RemovePartial(partial);
        return false;
    }
    return true;
}

}  // namespace update
