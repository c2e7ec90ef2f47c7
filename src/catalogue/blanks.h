#pragma once
// Blanks around the words of texts the user writes (command lines, shortcut names).
#include <string_view>

namespace zv::detail {

inline std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

}  // namespace zv::detail
