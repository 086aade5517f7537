#pragma once

namespace update {

// The worker thread's body: finds the folders and files, copies, reports, and asks the dialog to
// close. 0 when the update went through, -1 otherwise.
int UpdateWorker();

}  // namespace update
