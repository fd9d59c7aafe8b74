// Counts the program's live heap allocations (the test program replaces the global
// operator new and delete) and can make a chosen non-throwing allocation fail.
#pragma once

#include <cstddef>

long LiveAllocations();
// The n-th non-throwing allocation from now on (1 = the next one) returns null; 0 disarms.
void FailNothrowAllocation(long n);
