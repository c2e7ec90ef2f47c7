#pragma once
#include "platform/window_messages.h"

namespace zv::win32 {

class Win32WindowMessages : public platform::WindowMessages {
 public:
  bool IsOwnWindow(std::uint32_t handle) override;
  void Send(std::uint32_t handle, unsigned message, std::uintptr_t wParam) override;
};

}  // namespace zv::win32
