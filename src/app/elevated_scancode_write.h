#pragma once
// The editor's way past "Failed to set data for 'Scancode Map'" for a user who is not an
// administrator: this same program, started elevated with -WriteScancodeMap, stores the value.
#include <windows.h>

#include <string>

namespace zv {

// Starts this executable with "-WriteScancodeMap <hex>" through ShellExecuteExA's verb "runas"
// (Windows asks the user for consent) and waits for it. Until it ends this thread keeps taking
// its messages, for the keyboard hook runs on it, while owner is disabled so that the window
// takes no other command meanwhile. True when the value was written (exit code 0); false when
// the user declined, the start failed, the write was refused, or the program is ending.
bool WriteScancodeMapElevated(HWND owner, const std::string& hex);

// The same for any program and parameters: true when it started and ended with exit code 0.
bool RunElevatedAndWait(HWND owner, const std::string& program, const std::string& parameters);

}  // namespace zv
