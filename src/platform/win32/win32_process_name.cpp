#include "platform/win32/win32_process_name.h"

#include "platform/program_window.h"
#include "platform/win32/win32_utf8.h"

namespace zv::win32 {

namespace {

BOOL CALLBACK AddChild(HWND window, LPARAM children) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[64] = L"";
  int length = GetClassNameW(window, name, 64);
  reinterpret_cast<std::vector<platform::ChildWindow>*>(children)->push_back(
      {process, Utf8Of(name, static_cast<std::size_t>(length > 0 ? length : 0))});
  return TRUE;
}

}  // namespace

// The wide function: the ANSI one answers in the ANSI code page on Windows before 10 (1903),
// whatever code page the manifest asks for. A path may be longer than MAX_PATH.
std::string ExeNameOfProcess(HANDLE process) {
  for (DWORD capacity = MAX_PATH; capacity <= 0x10000; capacity *= 2) {
    std::wstring path(capacity, L'\0');
    DWORD size = capacity;
    if (QueryFullProcessImageNameW(process, 0, &path[0], &size)) {
      path.resize(size);
      return Utf8Of(path.substr(path.find_last_of(L"\\/") + 1));
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return "";
  }
  return "";
}

std::string ExeNameOfProcessId(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) return "";
  std::string name = ExeNameOfProcess(process);
  CloseHandle(process);
  return name;
}

DWORD ProgramProcessOfWindow(HWND window, DWORD process, const std::string& exe) {
  return platform::ProgramProcess(process, exe, [window] {
    std::vector<platform::ChildWindow> children;
    EnumChildWindows(window, &AddChild, reinterpret_cast<LPARAM>(&children));
    return children;
  });
}

bool ProcessElevated(HANDLE process) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(process, TOKEN_QUERY, &token)) return GetLastError() == ERROR_ACCESS_DENIED;
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  BOOL read = GetTokenInformation(token, TokenElevation, &elevation, sizeof(elevation), &size);
  DWORD error = GetLastError();
  CloseHandle(token);
  if (!read) return error == ERROR_ACCESS_DENIED;
  return elevation.TokenIsElevated != 0;
}

}  // namespace zv::win32
