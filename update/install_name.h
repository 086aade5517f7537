#pragma once

#include <string_view>

#include "update_plan.h"

namespace update {

// Whether a "file=" name stays below the install folder: relative (no drive letter, no leading
// separator) and without a ".." component. The control file is read from removable media and
// may be damaged or hostile; a name that fails is a failed copy, never a write elsewhere. Both
// separators count, and a separator byte that is the trail byte of a two-byte character is none.
bool StaysInsideInstallFolder(std::string_view name, LeadByteTest isLeadByte);

}  // namespace update
