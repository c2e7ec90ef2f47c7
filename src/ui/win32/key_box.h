#pragma once
// TSACombo: an editable combo box that names every key pressed in it. Its only change to the
// standard box is its answer to WM_GETDLGCODE, which adds DLGC_WANTTAB so that Tab reaches the
// box instead of moving the focus. Enter and Esc reach it too: the window has no default or
// cancel button to take them. Typed characters are discarded, so a box's text comes only from
// key capture, its list, the target menu or a row click.
#include <windows.h>

namespace zv::win32 {

class KeyCapture {
 public:
  virtual ~KeyCapture() = default;
  // A key went down in box; returns the code the box's own handling gets instead. Never throws.
  virtual int BoxKeyDown(HWND box, int virtualKey) noexcept = 0;
};

// Turns a combo box of style CBS_DROPDOWN into a TSACombo reporting to capture.
void MakeTSACombo(HWND box, KeyCapture& capture);

// The edit field inside a drop-down combo box (the window that has the focus while typing).
HWND ComboField(HWND box);

}  // namespace zv::win32
