#pragma once
// The one error type of the program. Its text is exactly what the user sees in the error box.
#include <stdexcept>
#include <string>

namespace zv {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Puts arg in place of the first "%s" of pattern ("Unable to write to %s").
std::string FormatMessage(const std::string& pattern, const std::string& arg);

// Strict decimal conversion: an optional sign and digits, nothing else; otherwise
// throws "'%s' is not a valid integer value" with the text in place of %s.
int StrToIntStrict(const std::string& text);

}  // namespace zv
