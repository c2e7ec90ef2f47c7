#pragma once
#include "platform/input.h"

namespace zv::win32 {

// The real keyboard. The hook is process-wide (Windows calls a plain function), so at most one
// Win32Input has a hook installed at a time. The first hook also registers a message-only
// window of the program for raw keyboard input (RIDEV_INPUTSINK): the time of the last
// keyboard input comes from there, so mouse movement does not count as keyboard input.
class Win32Input : public platform::Input {
 public:
  ~Win32Input() override;
  bool InstallHook(platform::KeyHookSink& sink) override;
  bool ReplaceHook(platform::KeyHookSink& sink) override;
  void RemoveHook() override;
  bool SendKeys(const platform::KeyInput* keys, std::size_t count) override;
  void WatchMouseButtons(platform::MouseButtonSink* sink) override;
  unsigned MapKey(unsigned code, unsigned mapType) override;
  std::uintptr_t KeyboardLayout() override;
  short AsyncKeyState(int virtualKey) override;
  std::uint32_t TickCount() override;
  std::uint32_t LastKeyboardInputTick() override;
};

}  // namespace zv::win32
