#pragma once

// Calls through raw table slots, as code built by another compiler would call our objects.

// The calling convention of member calls: thiscall on i686 Windows, the plain C one elsewhere.
#if defined(_WIN32) && defined(__i386__)
#define MEMBER_CALL __thiscall
#else
#define MEMBER_CALL
#endif

// Slot `slot` of the object's table as a function taking the object first.
template <typename Fn>
Fn Slot(void* object, int slot) {
    void** table = *static_cast<void***>(object);
    return reinterpret_cast<Fn>(table[slot]);
}
