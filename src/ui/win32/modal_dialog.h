#pragma once
// The frame shared by the parameter dialogs: a modal dialog from a resource, centred on its
// owner, whose handlers may throw. An exception ends the dialog
// and is raised again from Run, after the dialog's own message loop has returned, so it never
// crosses a Win32 frame and the caller's operation stops where it was raised.
#include <windows.h>

#include <exception>
#include <string>

#include "ui/parameter_prompter.h"

namespace zv::win32 {

class ModalDialog {
 public:
  virtual ~ModalDialog() = default;

 protected:
  // The dialog takes its size from the resource, in dialog units of its font, so it grows with
  // the screen's DPI as its font and controls do.
  ModalDialog(HWND owner, int resourceId) : owner_(owner), resourceId_(resourceId) {}

  // Shows the dialog modally; kOk only after Close(kOk).
  ModalResult Run();
  void Close(ModalResult result);

  // Called once the controls exist (FormShow).
  virtual void OnInit() = 0;
  // WM_COMMAND from a control; IDOK and IDCANCEL close the dialog unless handled here.
  virtual bool OnCommand(int id, int code) = 0;
  // Any other message; true with *result set when handled.
  virtual bool OnMessage(UINT, WPARAM, LPARAM, INT_PTR*) { return false; }

  // For the dialog's own subclass procedures: ends the dialog with the error, raised by Run.
  void Fail(std::exception_ptr error);

  // A message box owned by the dialog, under the dialog's caption.
  void Tell(const std::string& text);

  // Puts the focus on a control without the dialog manager's select-all of an edit field.
  void FocusWithoutSelection(HWND control);

  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  HWND hwnd() const { return hwnd_; }
  HWND owner() const { return owner_; }

 private:
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);

  HWND owner_;
  int resourceId_;
  HWND hwnd_ = nullptr;
  bool focusSet_ = false;
  std::exception_ptr error_;
};

// The text of a window (GetWindowTextA), of any length.
std::string WindowText(HWND hwnd);

// Centres the window on the owner, or on the work area of the screen when there is no
// visible, restored owner; keeps it on that work area.
void Center(HWND hwnd, HWND owner);

}  // namespace zv::win32
