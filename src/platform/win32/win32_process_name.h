#pragma once
// The executable behind a window or a process: its file name (e.g. "notepad.exe", UTF-8), and
// whether it runs as administrator.
#include <windows.h>

#include <string>

namespace zv::win32 {

// The file name part of the process image (PROCESS_QUERY_LIMITED_INFORMATION is enough);
// empty when it cannot be read.
std::string ExeNameOfProcess(HANDLE process);
// The same by process id; empty when the process cannot be opened or is gone.
std::string ExeNameOfProcessId(DWORD pid);
// The process whose program the top-level window of process (executable exe) shows: the app's
// own inside a store app's frame (platform/program_window.h), else process itself.
DWORD ProgramProcessOfWindow(HWND window, DWORD process, const std::string& exe);
// Whether the process runs elevated. A token that cannot be read belongs to a process of higher
// integrity than this one, which counts as elevated.
bool ProcessElevated(HANDLE process);

}  // namespace zv::win32
