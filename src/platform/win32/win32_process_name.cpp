#include "platform/win32/win32_process_name.h"

namespace zv::win32 {

std::string ExeNameOfProcess(HANDLE process) {
  char path[MAX_PATH * 4];
  DWORD size = sizeof(path);
  if (!QueryFullProcessImageNameA(process, 0, path, &size)) return "";
  std::string image(path, size);
  return image.substr(image.find_last_of("\\/") + 1);
}

std::string ExeNameOfWindow(HWND window) {
  DWORD pid = 0;
  if (!GetWindowThreadProcessId(window, &pid) || pid == 0) return "";
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) return "";
  std::string name = ExeNameOfProcess(process);
  CloseHandle(process);
  return name;
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
