#include "platform/win32/win32_program_starter.h"

#include <windows.h>
// after windows.h, which it needs
#include <objbase.h>
#include <shellapi.h>

namespace zv::win32 {
namespace {

std::wstring Wide(const std::string& text) {
  int units = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(units > 0 ? units : 1, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, &wide[0], units);
  wide.resize(wide.size() - 1);
  return wide;
}

// The system's own text for an error code, in UTF-8, without its line break.
std::string MessageOf(DWORD error) {
  wchar_t* text = nullptr;
  DWORD units = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message;
  if (units > 0) {
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, units, nullptr, 0, nullptr, nullptr);
    message.resize(bytes);
    WideCharToMultiByte(CP_UTF8, 0, text, units, &message[0], bytes, nullptr, nullptr);
  }
  LocalFree(text);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
  return message.empty() ? "Error " + std::to_string(error) : message;
}

}  // namespace

std::string Win32ProgramStarter::Start(const std::string& file, const std::string& arguments) {
  // The shell's handlers may be COM objects; this runs on a worker thread of its own apartment.
  HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  std::wstring wideFile = Wide(file), wideArguments = Wide(arguments);
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof info;
  // No error box of the shell's own (the reason goes to the tray), and no return before the
  // shell has handed the start over, since the thread goes on to other work.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpFile = wideFile.c_str();
  info.lpParameters = wideArguments.empty() ? nullptr : wideArguments.c_str();
  info.nShow = SW_SHOWNORMAL;
  std::string failure;
  if (!ShellExecuteExW(&info)) failure = MessageOf(GetLastError());
  if (SUCCEEDED(com)) CoUninitialize();
  return failure;
}

}  // namespace zv::win32
