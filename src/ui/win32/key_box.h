#pragma once
// TSACombo: an editable combo box that names every key pressed in it. Its answer to
// WM_GETDLGCODE adds DLGC_WANTTAB so that Tab reaches the box instead of moving the focus. Enter
// and Esc reach it too: the window has no default or cancel button to take them. Esc with the
// list open only closes the list. Typed characters are discarded, so a box's text comes only
// from key capture, its list, the target menu or a row click; opening the list selects the
// item that is exactly the box's text and never puts another name in the box.
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
