#pragma once

#include <string>
#include <string_view>

#include "update_plan.h"

namespace update {

// The folder of the program named first on a command line, up to and including its last
// backslash: the quoted path, or the text up to the first space or tab. Two-byte characters are
// kept whole, so a trail byte that equals a quote, space or backslash neither ends nor cuts the
// path. Empty (the current folder) when the program path has no backslash.
std::string SourceFolderFromCommandLine(std::string_view commandLine, LeadByteTest isLeadByte);

// Fills plan.sourceFolder from this process's command line.
void FindSourceFolder(UpdatePlan& plan);

}  // namespace update
