#pragma once
// File texts for the settings tests, one string per line, each ending in CRLF.
#include <initializer_list>
#include <string>

namespace zv::testing_settings {

inline std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text.append(line).append("\r\n");
  return text;
}

}  // namespace zv::testing_settings
