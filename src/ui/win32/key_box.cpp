#include "ui/win32/key_box.h"

#include <commctrl.h>

namespace zv::win32 {
namespace {

constexpr UINT_PTR kTSAComboSubclass = 0x75A;

bool IsKeyMessage(const MSG* msg) {
  return msg != nullptr && (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN);
}

// Both the box and its edit field get this procedure: the field has the focus while the user
// types, the box gets the keys sent to it directly.
LRESULT CALLBACK TSAComboProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR data) {
  auto* capture = reinterpret_cast<KeyCapture*>(data);
  switch (message) {
    case WM_GETDLGCODE: {
      LRESULT code = DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTTAB;
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      if (IsKeyMessage(msg) && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        code |= DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      HWND box = ComboField(hwnd) != nullptr ? hwnd : GetParent(hwnd);
      wParam = static_cast<WPARAM>(capture->BoxKeyDown(box, static_cast<int>(wParam)));
      break;
    }
    case WM_CHAR:
      return 0;  // Alt+letter (WM_SYSCHAR) stays the dialog manager's accelerator
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &TSAComboProc, kTSAComboSubclass);
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

HWND ComboField(HWND box) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  return GetComboBoxInfo(box, &info) ? info.hwndItem : nullptr;
}

void MakeTSACombo(HWND box, KeyCapture& capture) {
  const auto data = reinterpret_cast<DWORD_PTR>(&capture);
  SetWindowSubclass(box, &TSAComboProc, kTSAComboSubclass, data);
  if (HWND field = ComboField(box))
    SetWindowSubclass(field, &TSAComboProc, kTSAComboSubclass, data);
}

}  // namespace zv::win32
