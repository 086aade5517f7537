#include "platform/dialog.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "progress_line.h"

namespace platform {
namespace {

using namespace dialog_messages;
using namespace progress_messages;

struct DialogObject {
    DialogProcedure procedure = nullptr;
    std::thread::id owner;
    std::map<int, std::string> texts;
    uint32_t low = 0;
    uint32_t high = 100;
    uint32_t position = 0;
    bool dirty = true;
};

// A control message sent from another thread, handled by the dialog's thread.
struct SentMessage {
    Dialog dialog;
    int itemId;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
    intptr_t result = 0;
    bool done = false;
};

struct ThreadQueue {
    std::deque<ThreadMessage> posted;
    std::deque<SentMessage*> sent;
};

struct State {
    std::mutex lock;
    std::condition_variable changed;
    std::set<DialogObject*> dialogs;
    std::map<std::thread::id, ThreadQueue> queues;
};

State& Shared() {
    static State state;
    return state;
}

DialogObject* Live(State& state, Dialog dialog) {
    auto* object = static_cast<DialogObject*>(dialog);
    return state.dialogs.count(object) != 0 ? object : nullptr;
}

// The controls as the Windows edit, static and progress classes keep them. Lock held.
intptr_t HandleItemMessage(DialogObject& dialog, int itemId, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    switch (message) {
        case kSetText:
            dialog.texts[itemId] = lParam != 0 ? reinterpret_cast<const char*>(lParam) : "";
            dialog.dirty = true;
            return 1;
        case kGetText: {
            const std::string& text = dialog.texts[itemId];
            if (wParam == 0 || lParam == 0) return 0;
            size_t count = std::min<size_t>(text.size(), wParam - 1);
            std::memcpy(reinterpret_cast<char*>(lParam), text.data(), count);
            reinterpret_cast<char*>(lParam)[count] = '\0';
            return static_cast<intptr_t>(count);
        }
        case kSetRange: {
            intptr_t previous = static_cast<intptr_t>((dialog.high << 16) | dialog.low);
            dialog.low = static_cast<uint32_t>(lParam) & 0xFFFF;
            dialog.high = (static_cast<uint32_t>(lParam) >> 16) & 0xFFFF;
            dialog.position = std::clamp(dialog.position, dialog.low, std::max(dialog.low, dialog.high));
            dialog.dirty = true;
            return previous;
        }
        case kSetPosition: {
            intptr_t previous = dialog.position;
            dialog.position = std::clamp(static_cast<uint32_t>(wParam), dialog.low, std::max(dialog.low, dialog.high));
            dialog.dirty = true;
            return previous;
        }
        case kGetRange:
            return wParam != 0 ? dialog.low : dialog.high;
        case kGetPosition:
            return dialog.position;
        default:
            return 0;
    }
}

detail::ProgressLine LineOf(const DialogObject& dialog) {
    detail::ProgressLine line{dialog.low, dialog.high, dialog.position, {}};
    for (const auto& [id, text] : dialog.texts) {
        if (!text.empty()) line.texts.push_back(text);
    }
    return line;
}

// Sent messages first, as Windows delivers them inside the wait for the next message. Lock held.
void HandleSentMessages(State& state, ThreadQueue& queue) {
    while (!queue.sent.empty()) {
        SentMessage* sent = queue.sent.front();
        queue.sent.pop_front();
        if (DialogObject* dialog = Live(state, sent->dialog)) {
            sent->result = HandleItemMessage(*dialog, sent->itemId, sent->message, sent->wParam, sent->lParam);
        }
        sent->done = true;
    }
    state.changed.notify_all();
}

// The dialogs are painted when their thread has nothing else to do. Lock held.
void PaintDirtyDialogs(State& state) {
    const auto self = std::this_thread::get_id();
    for (DialogObject* dialog : state.dialogs) {
        if (dialog->owner == self && dialog->dirty) {
            detail::DrawProgressLine(LineOf(*dialog), false);
            dialog->dirty = false;
        }
    }
}

void Dispatch(const ThreadMessage& message) {
    DialogProcedure procedure = nullptr;
    {
        State& state = Shared();
        std::lock_guard<std::mutex> hold(state.lock);
        DialogObject* dialog = Live(state, message.window);
        if (dialog == nullptr) return;
        procedure = dialog->procedure;
    }
    procedure(message.window, message.message, message.wParam, message.lParam);
}

}  // namespace

bool InitCommonControls() { return true; }

Dialog CreateModelessDialog(int /*templateId*/, DialogProcedure procedure) {
    if (procedure == nullptr) return nullptr;
    auto* dialog = new DialogObject;
    dialog->procedure = procedure;
    dialog->owner = std::this_thread::get_id();
    {
        State& state = Shared();
        std::lock_guard<std::mutex> hold(state.lock);
        state.dialogs.insert(dialog);
        state.queues[dialog->owner];
    }
    procedure(dialog, kInitDialog, 0, 0);
    return dialog;
}

bool DestroyDialog(Dialog dialog) {
    State& state = Shared();
    DialogProcedure procedure = nullptr;
    {
        std::lock_guard<std::mutex> hold(state.lock);
        DialogObject* object = Live(state, dialog);
        if (object == nullptr || object->owner != std::this_thread::get_id()) return false;
        procedure = object->procedure;
    }
    procedure(dialog, kDestroy, 0, 0);
    std::lock_guard<std::mutex> hold(state.lock);
    DialogObject* object = Live(state, dialog);
    if (object == nullptr) return true;
    detail::DrawProgressLine(LineOf(*object), true);
    state.dialogs.erase(object);
    delete object;
    state.changed.notify_all();
    return true;
}

bool PostDialogMessage(Dialog dialog, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    State& state = Shared();
    std::lock_guard<std::mutex> hold(state.lock);
    DialogObject* object = Live(state, dialog);
    if (object == nullptr) return false;
    state.queues[object->owner].posted.push_back(ThreadMessage{dialog, message, wParam, lParam, 0, 0, 0});
    state.changed.notify_all();
    return true;
}

void PostQuitMessage(int exitCode) {
    State& state = Shared();
    std::lock_guard<std::mutex> hold(state.lock);
    state.queues[std::this_thread::get_id()].posted.push_back(
        ThreadMessage{nullptr, kQuit, static_cast<uintptr_t>(exitCode), 0, 0, 0, 0});
    state.changed.notify_all();
}

bool SetDialogItemText(Dialog dialog, int itemId, const char* text) {
    State& state = Shared();
    {
        std::lock_guard<std::mutex> hold(state.lock);
        if (Live(state, dialog) == nullptr) return false;
    }
    SendDialogItemMessage(dialog, itemId, kSetText, 0, reinterpret_cast<intptr_t>(text));
    return true;
}

intptr_t SendDialogItemMessage(Dialog dialog, int itemId, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    State& state = Shared();
    std::unique_lock<std::mutex> hold(state.lock);
    DialogObject* object = Live(state, dialog);
    if (object == nullptr) return 0;
    if (object->owner == std::this_thread::get_id()) return HandleItemMessage(*object, itemId, message, wParam, lParam);
    SentMessage sent{dialog, itemId, message, wParam, lParam};
    state.queues[object->owner].sent.push_back(&sent);
    state.changed.notify_all();
    state.changed.wait(hold, [&] { return sent.done; });
    return sent.result;
}

bool GetThreadMessage(ThreadMessage* message) {
    State& state = Shared();
    std::unique_lock<std::mutex> hold(state.lock);
    ThreadQueue& queue = state.queues[std::this_thread::get_id()];
    for (;;) {
        HandleSentMessages(state, queue);
        if (!queue.posted.empty()) {
            *message = queue.posted.front();
            queue.posted.pop_front();
            return message->message != kQuit;
        }
        PaintDirtyDialogs(state);
        state.changed.wait(hold);
    }
}

bool IsDialogKeyboardMessage(Dialog dialog, ThreadMessage* message) {
    if (dialog == nullptr || message->window != dialog) return false;
    Dispatch(*message);
    return true;
}

void TranslateAndDispatchMessage(const ThreadMessage* message) { Dispatch(*message); }

}  // namespace platform
