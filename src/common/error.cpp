#include "common/error.h"

#include <climits>

namespace zv {

std::string FormatMessage(const std::string& pattern, const std::string& arg) {
  std::string::size_type at = pattern.find("%s");
  if (at == std::string::npos) return pattern;
  return pattern.substr(0, at) + arg + pattern.substr(at + 2);
}

int StrToIntStrict(const std::string& text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  bool digits = false;
  for (; i < text.size(); ++i) {
    char c = text[i];
    if (c < '0' || c > '9' || value > INT_MAX + 1LL) {
      digits = false;
      break;
    }
    value = value * 10 + (c - '0');
    digits = true;
  }
  if (negative) value = -value;
  if (!digits || value > INT_MAX || value < INT_MIN)
    throw Error(FormatMessage("'%s' is not a valid integer value", text));
  return static_cast<int>(value);
}

}  // namespace zv
