#pragma once

#include "update_plan.h"
#include "update_view.h"

namespace update {

// Copies every file of plan.updateFiles from the source folder into the install folder, in list
// order, advancing the progress before each copy. The first failure is reported and ends the
// copy; files already copied stay. On success the list of updated names is reported.
bool CopyUpdateFiles(const UpdatePlan& plan, UpdateView& view);

}  // namespace update
