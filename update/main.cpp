// update: copies newer game files from its own folder into the game's install folder, showing a
// progress dialog while a worker thread does the work.
#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/thread.h"
#include "progress_dialog.h"
#include "update_view.h"
#include "update_worker.h"

int main() {
    using namespace update;
    platform::InitCommonControls();
    if (!CreateUpdateDialog()) {
        platform::ShowMessageBox(nullptr, "起動エラー code=01", kProgramCaption, kBoxIconError);
        return -1;
    }
    platform::Thread worker;
    if (!worker.Start(UpdateWorker)) {
        platform::ShowMessageBox(nullptr, "起動エラー code=02", kProgramCaption, kBoxIconError);
        return -1;
    }
    RunUpdateDialogLoop();
    worker.Wait();
    return 0;
}
