#include "platform/win32/win32_input.h"

#include <windows.h>

namespace zv::win32 {

using platform::HookAnswer;

namespace {

HHOOK g_hook = nullptr;
platform::KeyHookSink* g_sink = nullptr;

// The hook procedure stays thin: it decodes the event, asks the logic, and answers Windows.
LRESULT CALLBACK KeyHookProc(int nCode, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (nCode < 0) result = CallNextHookEx(g_hook, nCode, wParam, lParam);
  if (nCode != HC_ACTION) return result;
  const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  platform::KeyEvent e;
  e.message = static_cast<unsigned>(wParam);
  e.vkCode = k->vkCode;
  e.scanCode = k->scanCode;
  e.flags = k->flags;
  e.time = k->time;
  e.extraInfo = k->dwExtraInfo;
  HookAnswer answer = g_sink ? g_sink->OnKeyEvent(e) : HookAnswer::PassOn;
  if (answer == HookAnswer::Swallow) return 1;
  if (answer == HookAnswer::Ignore) return 0;
  return CallNextHookEx(g_hook, nCode, wParam, lParam);
}

}  // namespace

Win32Input::~Win32Input() {
  RemoveHook();
}

bool Win32Input::InstallHook(platform::KeyHookSink& sink) {
  RemoveHook();
  g_sink = &sink;
  g_hook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyHookProc, GetModuleHandleA(nullptr), 0);
  if (!g_hook) g_sink = nullptr;
  return g_hook != nullptr;
}

void Win32Input::RemoveHook() {
  if (g_hook) UnhookWindowsHookEx(g_hook);
  g_hook = nullptr;
  g_sink = nullptr;
}

void Win32Input::KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags,
                            std::uintptr_t extraInfo) {
  keybd_event(vk, scan, static_cast<DWORD>(flags), static_cast<ULONG_PTR>(extraInfo));
}

unsigned Win32Input::MapKey(unsigned code, unsigned mapType) {
  return MapVirtualKeyA(code, mapType);
}

short Win32Input::AsyncKeyState(int virtualKey) {
  return GetAsyncKeyState(virtualKey);
}

std::uint32_t Win32Input::TickCount() {
  return GetTickCount();
}

std::uint32_t Win32Input::LastInputTick() {
  LASTINPUTINFO info;
  info.cbSize = sizeof info;
  return GetLastInputInfo(&info) ? info.dwTime : 0;
}

}  // namespace zv::win32
