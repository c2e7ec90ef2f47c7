#include "ui/win32/key_box.h"

#include <commctrl.h>

namespace zv::win32 {
namespace {

constexpr UINT_PTR kTSAComboSubclass = 0x75A;

COMBOBOXINFO InfoOf(HWND box) {
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(box, &info)) info = {};
  return info;
}

// The box looks its text up in its list when the list opens, when the mouse button that opened
// it goes up, and when the text changes while the list is open, and shows what it finds. Its
// own search takes the first item that begins with the text ("B" finds "Back"), so opening the
// list would change the key: the list answers with the item that is the text, or with none.
LRESULT CALLBACK ExactListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
  if (message == LB_FINDSTRING) message = LB_FINDSTRINGEXACT;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, &ExactListProc, kTSAComboSubclass);
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

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
      if (wParam == VK_ESCAPE && SendMessageA(box, CB_GETDROPPEDSTATE, 0, 0) != FALSE) {
        SendMessageA(box, CB_SHOWDROPDOWN, FALSE, 0);  // Esc closes the open list, names no key
        return 0;
      }
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
  return InfoOf(box).hwndItem;
}

void MakeTSACombo(HWND box, KeyCapture& capture) {
  const auto data = reinterpret_cast<DWORD_PTR>(&capture);
  const COMBOBOXINFO info = InfoOf(box);
  SetWindowSubclass(box, &TSAComboProc, kTSAComboSubclass, data);
  if (info.hwndItem != nullptr)
    SetWindowSubclass(info.hwndItem, &TSAComboProc, kTSAComboSubclass, data);
  if (info.hwndList != nullptr)
    SetWindowSubclass(info.hwndList, &ExactListProc, kTSAComboSubclass, 0);
}

}  // namespace zv::win32
