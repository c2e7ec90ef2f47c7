#pragma once
// Opening a document, a web address or a mail address with the program the user chose for it.
#include <string>

namespace zv::platform {

class Shell {
 public:
  virtual ~Shell() = default;
  // ShellExecuteA(window, "Open", target, "", "", SW_SHOWNORMAL); false when it failed.
  virtual bool Open(const std::string& target) = 0;
};

}  // namespace zv::platform
