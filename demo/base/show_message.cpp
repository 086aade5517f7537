#include "demo/base/show_message.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "platform/message_box.h"

int ShowMessage(const char* format, ...) {
    static char text[1024];
    std::memset(text, 0, sizeof text);
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return platform::ShowMessageBox(nullptr, text, "Prelo.dll", platform::box::kTopmost);
}
