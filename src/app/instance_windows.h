#pragma once
// The running instance as a second start reaches it: the windows of class "TMainForm" and the
// show request registered under the program's own name (app/app_ids.h).
#include <windows.h>

#include "ui/second_start.h"

namespace zv {

// The registered show request; 0 if it could not be registered.
UINT ShowRequestMessage();

class Win32InstanceWindows : public InstanceWindows {
 public:
  std::vector<std::uintptr_t> MainForms() override;
  std::intptr_t SendShowRequest(std::uintptr_t window, std::uintptr_t wParam) override;
  void AllowForeground(std::uintptr_t window) override;
};

}  // namespace zv
