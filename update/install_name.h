#pragma once

#include <string_view>

#include "update_plan.h"

namespace update {

// Whether a "file=" name, joined to installFolder as it stands, writes below that folder. The
// control file is read from removable media and may be damaged or hostile; a name that fails is a
// failed copy, never a write elsewhere. A ".." component always fails. A leading separator or a
// drive letter fails only where installFolder is empty (names are then taken from the current
// folder): after a folder's name it only continues that name ("C:\Game" + "\data" is
// "C:\Game\data"), and a drive letter there is no valid name. Both separators count, and a
// separator byte that is the trail byte of a two-byte character is none.
bool StaysInsideInstallFolder(std::string_view installFolder, std::string_view name, LeadByteTest isLeadByte);

}  // namespace update
