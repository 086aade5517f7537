#pragma once

// Shows the library's message box: no owner, caption "Prelo.dll", topmost, OK only. The text is
// formatted printf-style into a 1024-byte buffer; a longer text is cut, never overflows.
int ShowMessage(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
