#include "platform/win32/win32_input.h"

#include <windows.h>

#include <vector>

namespace zv::win32 {

using platform::HookAnswer;

namespace {

HHOOK g_hook = nullptr;
platform::KeyHookSink* g_sink = nullptr;
HHOOK g_mouseHook = nullptr;
platform::MouseButtonSink* g_mouseSink = nullptr;
HWND g_rawWindow = nullptr;
DWORD g_lastKeyboard = 0;

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

LRESULT CALLBACK MouseHookProc(int nCode, WPARAM wParam, LPARAM lParam) {
  if (nCode == HC_ACTION && g_mouseSink) {
    const auto* m = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    auto message = static_cast<unsigned>(wParam);
    bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
                 message == WM_MBUTTONDOWN || message == WM_XBUTTONDOWN;
    if (press && !(m->flags & LLMHF_INJECTED) && g_mouseSink->OnMouseButton(message, m->mouseData))
      return 1;
  }
  return CallNextHookEx(g_mouseHook, nCode, wParam, lParam);
}

INPUT MouseInputOf(const platform::KeyInput& k) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dwExtraInfo = static_cast<ULONG_PTR>(k.extraInfo);
  switch (k.mouseDown) {
    case WM_RBUTTONDOWN:
      in.mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
      break;
    case WM_MBUTTONDOWN:
      in.mi.dwFlags = MOUSEEVENTF_MIDDLEDOWN;
      break;
    case WM_XBUTTONDOWN:
      in.mi.dwFlags = MOUSEEVENTF_XDOWN;
      in.mi.mouseData = HIWORD(k.mouseData);
      break;
    default:
      in.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  }
  return in;
}

// Notes the time of every raw keyboard input, in the foreground or not.
LRESULT CALLBACK RawInputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INPUT && GET_RAWINPUT_CODE_WPARAM(wParam) <= RIM_INPUTSINK) {
    RAWINPUTHEADER header;
    UINT size = sizeof header;
    if (GetRawInputData(reinterpret_cast<HRAWINPUT>(lParam), RID_HEADER, &header, &size,
                        sizeof header) == sizeof header &&
        header.dwType == RIM_TYPEKEYBOARD) {
      g_lastKeyboard = static_cast<DWORD>(GetMessageTime());
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);  // WM_INPUT needs it for cleanup
}

void WatchKeyboard() {
  if (g_rawWindow) return;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = RawInputProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZvRawKeyboard";
  RegisterClassA(&wc);
  g_rawWindow = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
  g_lastKeyboard = GetTickCount();
  if (!g_rawWindow) return;
  RAWINPUTDEVICE device = {};
  device.usUsagePage = 0x01;  // generic desktop
  device.usUsage = 0x06;      // keyboard
  device.dwFlags = RIDEV_INPUTSINK;
  device.hwndTarget = g_rawWindow;
  RegisterRawInputDevices(&device, 1, sizeof device);
}

HHOOK NewHook() {
  return SetWindowsHookExA(WH_KEYBOARD_LL, KeyHookProc, GetModuleHandleA(nullptr), 0);
}

}  // namespace

Win32Input::~Win32Input() {
  WatchMouseButtons(nullptr);
  RemoveHook();
}

bool Win32Input::InstallHook(platform::KeyHookSink& sink) {
  RemoveHook();
  return ReplaceHook(sink);
}

bool Win32Input::ReplaceHook(platform::KeyHookSink& sink) {
  WatchKeyboard();
  HHOOK fresh = NewHook();
  if (!fresh) return false;
  HHOOK old = g_hook;
  g_hook = fresh;
  g_sink = &sink;
  if (old) UnhookWindowsHookEx(old);
  return true;
}

void Win32Input::RemoveHook() {
  if (g_hook) UnhookWindowsHookEx(g_hook);
  g_hook = nullptr;
  g_sink = nullptr;
}

bool Win32Input::SendKeys(const platform::KeyInput* keys, std::size_t count) {
  std::vector<INPUT> inputs(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (keys[i].mouseDown) {
      inputs[i] = MouseInputOf(keys[i]);
      continue;
    }
    inputs[i].type = INPUT_KEYBOARD;
    inputs[i].ki.wVk = keys[i].vk;
    inputs[i].ki.wScan = keys[i].scan;
    inputs[i].ki.dwFlags = keys[i].flags;
    inputs[i].ki.dwExtraInfo = static_cast<ULONG_PTR>(keys[i].extraInfo);
  }
  // Another desktop refuses the whole batch (0); a batch only partly taken is taken.
  return count == 0 || SendInput(static_cast<UINT>(count), inputs.data(), sizeof(INPUT)) != 0;
}

void Win32Input::WatchMouseButtons(platform::MouseButtonSink* sink) {
  g_mouseSink = sink;
  if (sink && !g_mouseHook) {
    g_mouseHook = SetWindowsHookExA(WH_MOUSE_LL, MouseHookProc, GetModuleHandleA(nullptr), 0);
  } else if (!sink && g_mouseHook) {
    UnhookWindowsHookEx(g_mouseHook);
    g_mouseHook = nullptr;
  }
}

unsigned Win32Input::MapKey(unsigned code, unsigned mapType) {
  return MapVirtualKeyA(code, mapType);
}

std::uintptr_t Win32Input::KeyboardLayout() {
  return reinterpret_cast<std::uintptr_t>(GetKeyboardLayout(0));
}

short Win32Input::AsyncKeyState(int virtualKey) {
  return GetAsyncKeyState(virtualKey);
}

std::uint32_t Win32Input::TickCount() {
  return GetTickCount();
}

std::uint32_t Win32Input::LastKeyboardInputTick() {
  return g_lastKeyboard;
}

}  // namespace zv::win32
