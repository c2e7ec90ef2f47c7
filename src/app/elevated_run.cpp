#include "app/elevated_run.h"

#include <shellapi.h>

#include <vector>

#include "app/elevated_switches.h"

namespace zv {

namespace {

// Waits for the process while dispatching this thread's messages; false when WM_QUIT came
// first (it is posted again for the main loop).
bool WaitPumping(HANDLE process) {
  for (;;) {
    const DWORD woke = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke != WAIT_OBJECT_0 + 1) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

}  // namespace

std::string OwnPath() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return std::string(path.data(), length);
    path.resize(path.size() * 2);
  }
}

ElevatedResult RunElevatedAndWait(HWND owner, const std::string& program,
                                  const std::string& parameters) {
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.hwnd = owner;
  info.lpVerb = "runas";
  info.lpFile = program.c_str();
  info.lpParameters = parameters.c_str();
  info.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExA(&info) || info.hProcess == nullptr) {
    return GetLastError() == ERROR_CANCELLED ? ElevatedResult::kDeclined : ElevatedResult::kFailed;
  }

  // Like a modal dialog: the window answers no commands until the writer has ended.
  const bool wasEnabled = owner != nullptr && IsWindowEnabled(owner);
  if (wasEnabled) EnableWindow(owner, FALSE);
  const bool ended = WaitPumping(info.hProcess);
  if (wasEnabled) EnableWindow(owner, TRUE);
  DWORD exitCode = 1;
  if (ended) GetExitCodeProcess(info.hProcess, &exitCode);
  CloseHandle(info.hProcess);
  return ended && exitCode == 0 ? ElevatedResult::kDone : ElevatedResult::kFailed;
}

ElevatedResult WriteScancodeMapElevated(HWND owner, const std::string& hex) {
  const std::string value = hex.empty() ? kRemoveScancodeMapValue : hex;
  return RunElevatedAndWait(owner, OwnPath(), std::string(kWriteScancodeMapSwitch) + " " + value);
}

bool RemoveMachineAutoRunElevated(HWND owner) {
  return RunElevatedAndWait(owner, OwnPath(), kRemoveAutoRunSwitch) == ElevatedResult::kDone;
}

}  // namespace zv
