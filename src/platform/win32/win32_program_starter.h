#pragma once
#include "platform/program_starter.h"

namespace zv::win32 {

// ShellExecuteExW with the user's own rights and environment, as a double click would start it.
class Win32ProgramStarter : public platform::ProgramStarter {
 public:
  std::string Start(const std::string& file, const std::string& arguments) override;
};

}  // namespace zv::win32
