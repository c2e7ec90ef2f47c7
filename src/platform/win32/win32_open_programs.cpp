#include "platform/win32/win32_open_programs.h"

#include <windows.h>

#include "platform/win32/win32_process_name.h"

namespace zv::win32 {
namespace {

BOOL CALLBACK AddProgramOfWindow(HWND window, LPARAM names) {
  if (!IsWindowVisible(window)) return TRUE;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) return TRUE;  // keys typed into Zorvane stay its own
  std::string name = ExeNameOfProcessId(process);
  DWORD app = ProgramProcessOfWindow(window, process, name);
  if (app != process) name = ExeNameOfProcessId(app);
  if (!name.empty()) reinterpret_cast<std::vector<std::string>*>(names)->push_back(name);
  return TRUE;
}

}  // namespace

std::vector<std::string> Win32OpenPrograms::OpenProgramNames() {
  std::vector<std::string> names;
  EnumWindows(&AddProgramOfWindow, reinterpret_cast<LPARAM>(&names));
  return names;
}

}  // namespace zv::win32
