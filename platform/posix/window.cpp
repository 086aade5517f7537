#include "platform/window.h"

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "pump_hooks.h"

namespace platform {
namespace {

struct WindowClass {
    WindowProcedure procedure;
    Instance instance;
};

struct QueuedMessage {
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
};

// A window as Linux has none: a class, a procedure, user data and a message queue. Messages are
// delivered only when the creating thread pumps, as on Windows.
struct WindowObject {
    std::string className;
    WindowProcedure procedure = nullptr;
    Instance instance = nullptr;
    intptr_t userData = 0;
    std::thread::id owner;
    std::deque<QueuedMessage> queue;
    std::vector<uint8_t> framebuffer;
    int width = 0;
    int height = 0;
};

struct Registry {
    std::mutex lock;
    std::map<std::string, WindowClass> classes;
    std::set<WindowObject*> windows;
};

Registry& State() {
    static Registry registry;
    return registry;
}

WindowObject* Live(Registry& state, Window window) {
    auto* object = static_cast<WindowObject*>(window);
    return state.windows.count(object) != 0 ? object : nullptr;
}

}  // namespace

bool RegisterWindowClass(const char* className, WindowProcedure procedure, Instance instance) {
    if (className == nullptr || procedure == nullptr) return false;
    Registry& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    return state.classes.emplace(className, WindowClass{procedure, instance}).second;
}

bool IsWindowClassRegistered(const char* className, Instance /*instance*/) {
    if (className == nullptr) return false;
    Registry& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    return state.classes.count(className) != 0;
}

Window CreateHiddenWindow(const char* className, const char* /*title*/, Instance instance) {
    if (className == nullptr) return nullptr;
    Registry& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    auto found = state.classes.find(className);
    if (found == state.classes.end()) return nullptr;
    auto object = std::make_unique<WindowObject>();
    object->className = className;
    object->procedure = found->second.procedure;
    object->instance = instance;
    object->owner = std::this_thread::get_id();
    WindowObject* raw = object.release();
    state.windows.insert(raw);
    return raw;
}

void DestroyWindow(Window window) {
    Registry& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    if (WindowObject* object = Live(state, window)) {
        state.windows.erase(object);
        delete object;
    }
}

Instance WindowInstance(Window window) {
    Registry& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    WindowObject* object = Live(state, window);
    return object ? object->instance : nullptr;
}

void SetWindowUserData(Window window, intptr_t data) {
    Registry& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    if (WindowObject* object = Live(state, window)) object->userData = data;
}

intptr_t WindowUserData(Window window) {
    Registry& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    WindowObject* object = Live(state, window);
    return object ? object->userData : 0;
}

intptr_t DefaultWindowProcedure(Window /*window*/, uint32_t /*message*/, uintptr_t /*wParam*/, intptr_t /*lParam*/) {
    return 0;
}

bool PostWindowMessage(Window window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    Registry& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    WindowObject* object = Live(state, window);
    if (object == nullptr) return false;
    object->queue.push_back(QueuedMessage{message, wParam, lParam});
    return true;
}

bool PumpMessages() {
    detail::RunPumpHooks();
    Registry& state = State();
    const auto self = std::this_thread::get_id();
    // Take one message at a time with the lock released before dispatch: a procedure may post,
    // destroy windows or pump again.
    for (;;) {
        Window target = nullptr;
        WindowProcedure procedure = nullptr;
        QueuedMessage next{};
        {
            std::lock_guard<std::mutex> hold(state.lock);
            for (WindowObject* object : state.windows) {
                if (object->owner == self && !object->queue.empty()) {
                    target = object;
                    procedure = object->procedure;
                    next = object->queue.front();
                    object->queue.pop_front();
                    break;
                }
            }
        }
        if (target == nullptr) return true;
        if (procedure != nullptr) procedure(target, next.message, next.wParam, next.lParam);
    }
}

Instance CurrentModuleInstance() {
    static int marker;
    return &marker;
}

Window CreateFramebufferWindow(const char* /*title*/, int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    Registry& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    auto object = std::make_unique<WindowObject>();
    object->className = "FramebufferWindow";
    object->procedure = DefaultWindowProcedure;
    object->owner = std::this_thread::get_id();
    object->width = width;
    object->height = height;
    object->framebuffer.assign(static_cast<size_t>(width) * static_cast<size_t>(height) * 3u, 0);
    WindowObject* raw = object.release();
    state.windows.insert(raw);
    return raw;
}

uint8_t* WindowFramebuffer(Window window, int* width, int* height, int* pitch) {
    Registry& state = State();
    std::lock_guard<std::mutex> hold(state.lock);
    WindowObject* object = Live(state, window);
    if (object == nullptr || object->framebuffer.empty()) return nullptr;
    if (width) *width = object->width;
    if (height) *height = object->height;
    if (pitch) *pitch = object->width * 3;
    return object->framebuffer.data();
}

}  // namespace platform
