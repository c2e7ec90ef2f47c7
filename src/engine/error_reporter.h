#pragma once
// Where code that must not show a message box itself (the hook procedure, handlers that run
// inside it) leaves an error text, to be shown in the standard error box once it has returned.
#include <string>

namespace zv {

class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  virtual void PostError(const std::string& text) noexcept = 0;
};

}  // namespace zv
