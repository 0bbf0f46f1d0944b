#pragma once
#include <cstddef>

// Bytes of heap in use, as the C library's allocator hands them out, and the most since the last reset.
// Counts every allocation of the process (the benchmark program replaces malloc and its kin).
std::size_t HeapInUse();
std::size_t HeapPeak();
void ResetHeapPeak();
