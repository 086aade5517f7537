#include "allocation_failure.h"

#include <cstddef>
#include <new>

namespace {
int countdown = 0;
}

namespace pixmill_test {
void FailNthArrayAllocation(int n) { countdown = n; }
}  // namespace pixmill_test

// Forwards to the ordinary array allocation, so that delete[] (and any sanitizer) sees a matching pair.
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    if (countdown > 0 && --countdown == 0) return nullptr;
    return ::operator new[](size);
}
