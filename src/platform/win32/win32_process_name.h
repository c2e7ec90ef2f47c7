#pragma once
// The executable behind a window or a process: its file name (e.g. "notepad.exe"), and whether
// it runs as administrator.
#include <windows.h>

#include <string>

namespace zv::win32 {

// The file name part of the process image of the window's owner; empty when the process cannot
// be opened or the window is gone.
std::string ExeNameOfWindow(HWND window);
// The same for an open process handle (PROCESS_QUERY_LIMITED_INFORMATION is enough).
std::string ExeNameOfProcess(HANDLE process);
// Whether the process runs elevated. A token that cannot be read belongs to a process of higher
// integrity than this one, which counts as elevated.
bool ProcessElevated(HANDLE process);

}  // namespace zv::win32
