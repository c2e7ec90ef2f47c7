#pragma once
// The way past a value under HKEY_LOCAL_MACHINE that this user may not change: this same
// program, started elevated with one of its switches (app/elevated_switches.h), changes it.
#include <windows.h>

#include <string>

#include "ui/mapping_editor_view.h"

namespace zv {

// Starts this executable with "-WriteScancodeMap <hex>" ("Remove" for an empty hex) through
// ShellExecuteExA's verb "runas" (Windows asks the user for consent) and waits for it. Until it
// ends this thread keeps taking its messages, for the keyboard hook runs on it, while owner is
// disabled so that the window takes no other command meanwhile. Done when the value was written
// (exit code 0); declined when the user said No at Windows' consent prompt; failed when the start
// failed, the write was refused, or the program is ending.
ElevatedResult WriteScancodeMapElevated(HWND owner, const std::string& hex);
// The same with "-RemoveAutoRun": true when the machine-wide autorun value is gone.
bool RemoveMachineAutoRunElevated(HWND owner);

// The same for any program and parameters: done when it started and ended with exit code 0.
ElevatedResult RunElevatedAndWait(HWND owner, const std::string& program,
                                  const std::string& parameters);

// The full path of this executable.
std::string OwnPath();

}  // namespace zv
