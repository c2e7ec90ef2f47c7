#pragma once
// The open programs from the system: EnumWindows over the visible top-level windows, each named
// by its process's image file.
#include "platform/open_programs.h"

namespace zv::win32 {

class Win32OpenPrograms : public platform::OpenPrograms {
 public:
  std::vector<std::string> OpenProgramNames() override;
};

}  // namespace zv::win32
