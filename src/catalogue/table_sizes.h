#pragma once
// Row counts of the compiled-in tables, so indexes over them can be fixed-size arrays.
#include <cstddef>

namespace zv::detail {

inline constexpr std::size_t kKeyRowCount = 142;
inline constexpr std::size_t kScancodeRowCount = 118;

}  // namespace zv::detail
