#pragma once
// The programs that have a window open now, for the Keyboard Map's "Add program...": the
// executable's file name ("notepad.exe") of every visible top-level window but this program's
// own, in window order, repeats included. Windows whose process cannot be opened (another
// user's, or a protected one) are left out.
#include <string>
#include <vector>

namespace zv::platform {

class OpenPrograms {
 public:
  virtual ~OpenPrograms() = default;
  virtual std::vector<std::string> OpenProgramNames() = 0;
};

}  // namespace zv::platform
