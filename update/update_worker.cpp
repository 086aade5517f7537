#include "update_worker.h"

#include "control_file.h"
#include "copy_files.h"
#include "progress_dialog.h"
#include "source_folder.h"

namespace update {

int UpdateWorker() {
    // Lives for the whole run, as the worker is the only thread that reads it.
    static UpdatePlan plan;
    DialogView view;
    FindSourceFolder(plan);
    const bool updated = ReadControlFile(plan, view) && CopyUpdateFiles(plan, view);
    PostCloseRequest();
    return updated ? 0 : -1;
}

}  // namespace update
