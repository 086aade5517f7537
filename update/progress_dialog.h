#pragma once

#include <cstdint>

#include "platform/dialog.h"
#include "update_view.h"

namespace update {

// Shows the progress dialog; false when it cannot be created. The calling thread owns it.
bool CreateUpdateDialog();
// The dialog's message loop; returns after the dialog is gone.
void RunUpdateDialogLoop();
// From the worker: ends the program through the dialog's thread. Posted, so it never waits.
void PostCloseRequest();

// The dialog procedure: a close request destroys the dialog, its destruction ends the message
// loop; nothing counts as handled, so commands and keys do nothing.
intptr_t UpdateDialogProc(platform::Dialog dialog, uint32_t message, uintptr_t wParam, intptr_t lParam);

// The worker's view of the run: the dialog's controls, updated by sent messages that wait for the
// dialog's thread, and message boxes without an owner.
class DialogView final : public UpdateView {
public:
    void SetProgressRange(uint32_t count) override;
    void SetProgressPosition(uint32_t position) override;
    void SetSourceText(const std::string& text) override;
    void SetDestinationText(const std::string& text) override;
    void ShowMessage(const std::string& text, const char* caption, unsigned style) override;
};

}  // namespace update
