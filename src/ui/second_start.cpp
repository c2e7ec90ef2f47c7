#include "ui/second_start.h"

namespace zv {

bool IsHiddenStart(const std::vector<std::string>& args) {
  return !args.empty() && args[0] == "-Hide";
}

bool SecondStart(const std::vector<std::string>& args, InstanceWindows& windows) {
  if (IsHiddenStart(args)) return false;
  for (std::uintptr_t window : windows.MainForms()) {
    if (windows.SendShowRequest(window, kShowRequestAsk) != kShowRequestAnswer) continue;
    // Only a program that has the foreground may hand it on, and it must do so before the
    // other one asks for it.
    windows.AllowForeground(window);
    return windows.SendShowRequest(window, kShowRequestShow) == kShowRequestAnswer;
  }
  return false;
}

}  // namespace zv
