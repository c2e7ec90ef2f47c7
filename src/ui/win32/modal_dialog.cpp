#include "ui/win32/modal_dialog.h"

#include <algorithm>
#include <vector>

namespace zv::win32 {

ModalResult ModalDialog::Run() {
  error_ = nullptr;
  const INT_PTR result =
      DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId_), owner_,
                      &ModalDialog::Proc, reinterpret_cast<LPARAM>(this));
  hwnd_ = nullptr;
  if (error_) std::rethrow_exception(error_);
  return result == IDOK ? ModalResult::kOk : ModalResult::kCancel;
}

void ModalDialog::Close(ModalResult result) {
  EndDialog(hwnd_, result == ModalResult::kOk ? IDOK : IDCANCEL);
}

INT_PTR CALLBACK ModalDialog::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    reinterpret_cast<ModalDialog*>(lParam)->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  try {
    return self->Handle(message, wParam, lParam);
  } catch (...) {
    self->Fail(std::current_exception());
    return TRUE;
  }
}

void ModalDialog::Fail(std::exception_ptr error) {
  // Keep the first error only; the dialog ends and Run raises it.
  if (!error_) error_ = error;
  EndDialog(hwnd_, IDCANCEL);
}

INT_PTR ModalDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Center(hwnd_, owner_);
      focusSet_ = false;
      OnInit();
      return focusSet_ ? FALSE : TRUE;  // TRUE: the dialog manager focuses the first control
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (OnCommand(id, HIWORD(wParam))) return TRUE;
      if (id == IDOK || id == IDCANCEL) {
        Close(id == IDOK ? ModalResult::kOk : ModalResult::kCancel);
        return TRUE;
      }
      return FALSE;
    }
    default: {
      INT_PTR result = 0;
      if (!OnMessage(message, wParam, lParam, &result)) return FALSE;
      SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
      return TRUE;
    }
  }
}

void ModalDialog::FocusWithoutSelection(HWND control) {
  SetFocus(control);
  SendMessageA(control, EM_SETSEL, 0, 0);
  focusSet_ = true;
}

void ModalDialog::Tell(const std::string& text) {
  MessageBoxA(hwnd_, text.c_str(), WindowText(hwnd_).c_str(), MB_OK | MB_ICONINFORMATION);
}

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<size_t>(std::max(copied, 0)));
}

void Center(HWND hwnd, HWND owner) {
  RECT frame = {};
  GetWindowRect(hwnd, &frame);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;

  // A hidden or minimised owner (the main window in the tray) has no place to centre on.
  const bool ownerShown = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
  RECT around;
  HMONITOR monitor;
  if (ownerShown) {
    GetWindowRect(owner, &around);
    monitor = MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST);
  } else {
    monitor = MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY);
  }
  MONITORINFO info = {};
  info.cbSize = sizeof(info);
  GetMonitorInfoA(monitor, &info);
  if (!ownerShown) around = info.rcWork;

  const RECT& work = info.rcWork;
  int x = around.left + ((around.right - around.left) - width) / 2;
  int y = around.top + ((around.bottom - around.top) - height) / 2;
  x = std::max<int>(work.left, std::min<int>(x, work.right - width));
  y = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
  SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zv::win32
