#pragma once

// Makes one of the coming non-throwing array allocations fail, so that out-of-memory paths can be
// driven on purpose. Only `new (std::nothrow) T[n]` is affected.
namespace pixmill_test {

// The n-th such allocation from now returns null (n = 1: the next one); 0 disarms.
void FailNthArrayAllocation(int n);

}  // namespace pixmill_test
