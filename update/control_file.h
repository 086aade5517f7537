#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "update_plan.h"
#include "update_view.h"

namespace update {

inline constexpr char kControlFileName[] = "update.inf";
inline constexpr char kRegistryKeyRoot[] = "Software\\Corvane\\";
// The install folder is read through a buffer of this size; at most one byte less is used.
inline constexpr uint32_t kInstallFolderBufferSize = 4096;

// Lines of a control file. A line ends with a carriage return and the one byte after it (the line
// feed); text after the last line end is no line. Two-byte characters stay whole, so a trail byte
// of 13 ends nothing.
std::vector<std::string> SplitControlLines(std::string_view bytes, LeadByteTest isLeadByte);

// "file=" lines add a file to copy, "reg=" lines extend the registry key path; both must start the
// line exactly so, in that letter case. Every other line is ignored.
void ApplyControlLines(const std::vector<std::string>& lines, UpdatePlan& plan);

// Reads update.inf from plan.sourceFolder and the install folder from the registry key it names.
// Shows its own error message and returns false when the update cannot go on. A key without a
// readable default value is no error: the install folder is then empty.
bool ReadControlFile(UpdatePlan& plan, UpdateView& view);

}  // namespace update
