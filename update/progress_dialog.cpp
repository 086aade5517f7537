#include "progress_dialog.h"

#include <atomic>

#include "dialog_resource.h"
#include "platform/message_box.h"

namespace update {
namespace {

// Written by the dialog's thread, read by the worker.
std::atomic<platform::Dialog> updateDialog{nullptr};

}  // namespace

intptr_t UpdateDialogProc(platform::Dialog dialog, uint32_t message, uintptr_t, intptr_t) {
    switch (message) {
        case platform::dialog_messages::kClose:
            platform::DestroyDialog(dialog);
            break;
        case platform::dialog_messages::kDestroy:
            platform::PostQuitMessage(0);
            updateDialog = nullptr;
            break;
        default:
            break;
    }
    return 0;
}

bool CreateUpdateDialog() {
    updateDialog = platform::CreateModelessDialog(UPDATE_DIALOG, UpdateDialogProc);
    return updateDialog.load() != nullptr;
}

void RunUpdateDialogLoop() {
    platform::ThreadMessage message{};
    while (platform::GetThreadMessage(&message)) {
        if (platform::IsDialogKeyboardMessage(updateDialog.load(), &message)) continue;
        platform::TranslateAndDispatchMessage(&message);
    }
}

void PostCloseRequest() { platform::PostDialogMessage(updateDialog.load(), platform::dialog_messages::kClose, 0, 0); }

void DialogView::SetProgressRange(uint32_t count) {
    platform::SendDialogItemMessage(updateDialog.load(), UPDATE_PROGRESS_BAR, platform::progress_messages::kSetRange, 0,
                                    static_cast<intptr_t>((count & 0xFFFF) << 16));
}

void DialogView::SetProgressPosition(uint32_t position) {
    platform::SendDialogItemMessage(updateDialog.load(), UPDATE_PROGRESS_BAR, platform::progress_messages::kSetPosition,
                                    position, 0);
}

void DialogView::SetSourceText(const std::string& text) {
    platform::SetDialogItemText(updateDialog.load(), UPDATE_SOURCE_TEXT, text.c_str());
}

void DialogView::SetDestinationText(const std::string& text) {
    platform::SetDialogItemText(updateDialog.load(), UPDATE_DESTINATION_TEXT, text.c_str());
}

void DialogView::ShowMessage(const std::string& text, const char* caption, unsigned style) {
    platform::ShowMessageBox(nullptr, text.c_str(), caption, style);
}

}  // namespace update
