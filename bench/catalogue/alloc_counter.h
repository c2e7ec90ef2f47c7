#pragma once
// Counts every global operator new of the program, so a benchmark can show how often a
// lookup reaches the heap.
#include <cstdint>

namespace zv::bench {

std::uint64_t AllocationCount();

}  // namespace zv::bench
