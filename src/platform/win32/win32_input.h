#pragma once
#include "platform/input.h"

namespace zv::win32 {

// The real keyboard. The hook is process-wide (Windows calls a plain function), so at most one
// Win32Input has a hook installed at a time.
class Win32Input : public platform::Input {
 public:
  ~Win32Input() override;
  bool InstallHook(platform::KeyHookSink& sink) override;
  void RemoveHook() override;
  void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                  std::uintptr_t extraInfo) override;
  unsigned MapKey(unsigned code, unsigned mapType) override;
  short AsyncKeyState(int virtualKey) override;
  std::uint32_t TickCount() override;
  std::uint32_t LastInputTick() override;
};

}  // namespace zv::win32
