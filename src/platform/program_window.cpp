#include "platform/program_window.h"

#include "platform/program_names.h"

namespace zv::platform {

std::uint32_t ProgramProcess(std::uint32_t top, const std::string& exe,
                             const std::function<std::vector<ChildWindow>()>& children) {
  if (ProgramNameKey(exe) != ProgramNameKey(kAppFrameHost)) return top;
  for (const ChildWindow& child : children()) {
    if (child.process != top && child.className == kCoreWindowClass) return child.process;
  }
  return top;
}

}  // namespace zv::platform
