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
    // The name beside the destination may pass the system's path limit, or the folder may take no
    // new file: the safer copy is then out of reach, and the plain overwrite decides alone.
    if (!platform::NameFitsPathLimit(partial.c_str())) {
        return platform::CopyFileOverwriting(source.c_str(), destination.c_str());
    }
    // Left over when an earlier run was cut off mid-copy.
    RemovePartial(partial);
    if (!platform::CopyFileOverwriting(source.c_str(), partial.c_str())) {
        RemovePartial(partial);
        return platform::CopyFileOverwriting(source.c_str(), destination.c_str());
    }
    if (!platform::MoveFileReplacing(partial.c_str(), destination.c_str())) {
        RemovePartial(partial);
        return false;
    }
    return true;
}

}  // namespace update
