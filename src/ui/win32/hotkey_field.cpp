#include "ui/win32/hotkey_field.h"

#include <commctrl.h>

namespace zv::win32 {
namespace {

constexpr UINT_PTR kHotKeyFieldSubclass = 0x48F;

bool IsDown(int key) {
  return (GetKeyState(key) & 0x8000) != 0;
}

bool MovesFocus(const MSG* msg) {
  return msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB &&
         !IsDown(VK_CONTROL) && !IsDown(VK_MENU);
}

LRESULT CALLBACK HotKeyFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR) {
  switch (message) {
    case WM_GETDLGCODE: {
      const LRESULT code = DefSubclassProc(field, message, wParam, lParam);
      if (MovesFocus(reinterpret_cast<const MSG*>(lParam))) return code;
      return code | DLGC_WANTALLKEYS;
    }
    case WM_SYSCHAR:
      // The key is already the field's value (from WM_SYSKEYDOWN); the default handling would
      // look for a menu with that letter and beep.
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(field, &HotKeyFieldProc, kHotKeyFieldSubclass);
      break;
  }
  return DefSubclassProc(field, message, wParam, lParam);
}

}  // namespace

void MakeHotKeyField(HWND field) {
  SetWindowSubclass(field, &HotKeyFieldProc, kHotKeyFieldSubclass, 0);
}

bool IsSystemKeyForKeyTaker(const MSG& msg) {
  if (msg.message != WM_SYSKEYDOWN && msg.message != WM_SYSCHAR) return false;
  const LRESULT code =
      SendMessageA(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  return (code & DLGC_WANTMESSAGE) != 0;
}

}  // namespace zv::win32
