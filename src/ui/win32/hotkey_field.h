#pragma once
// A hotkey field: the standard hotkey control, whose value is whatever key combination is
// pressed in it. The dialog manager would take some of them for itself (Alt+letter presses the
// button of that letter): the field asks for every key but Tab and Shift+Tab, which still move
// the focus on.
#include <windows.h>

namespace zv::win32 {

void MakeHotKeyField(HWND field);

// For a message loop that passes messages to IsDialogMessage, which acts on Alt+letter
// whatever the focused control asks for: true for a system key meant for a control that takes
// every key. The loop translates and dispatches such a message itself.
bool IsSystemKeyForKeyTaker(const MSG& msg);

}  // namespace zv::win32
