#include "platform/win32/win32_foreground.h"

#include "platform/program_names.h"
#include "platform/program_window.h"
#include "platform/win32/win32_process_name.h"

namespace zv::win32 {

namespace {
// The event hook's callback carries no context: the one watcher of the process.
Win32Foreground* g_watcher = nullptr;
// Processes seen are few; a long session that meets many forgets them all at once.
constexpr std::size_t kMostKnown = 512;
}  // namespace

Win32Foreground::~Win32Foreground() {
  StopWatching();
}

void Win32Foreground::Watch(platform::ForegroundSink& sink) {
  sink_ = &sink;
  g_watcher = this;
  if (!hook_) {
    hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, OnEvent, 0,
                            0, WINEVENT_OUTOFCONTEXT);
  }
  Tell(GetForegroundWindow());
}

// A store app's frame told as the frame host had no core window yet: it is looked at again.
void Win32Foreground::Recheck() {
  HWND window = GetForegroundWindow();
  if (sink_ && (window != told_ || toldFrame_)) Tell(window);
}

void Win32Foreground::StopWatching() {
  if (hook_) UnhookWinEvent(hook_);
  hook_ = nullptr;
  sink_ = nullptr;
  if (g_watcher == this) g_watcher = nullptr;
}

bool Win32Foreground::SelfElevated() {
  return ProcessElevated(GetCurrentProcess());
}

platform::ForegroundProgram Win32Foreground::ProgramOfWindow(HWND window) {
  DWORD pid = 0;
  if (!window || !GetWindowThreadProcessId(window, &pid) || pid == 0) return {};
  platform::ForegroundProgram program = ProgramOfProcess(pid);
  DWORD app = ProgramProcessOfWindow(window, pid, program.exe);
  return app == pid ? program : ProgramOfProcess(app);
}

platform::ForegroundProgram Win32Foreground::ProgramOfProcess(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  // A process that cannot even be queried is a protected or higher one.
  if (!process) return {"", GetLastError() == ERROR_ACCESS_DENIED};
  FILETIME created{}, exited{}, kernel{}, user{};
  GetProcessTimes(process, &created, &exited, &kernel, &user);
  std::pair<DWORD, std::uint64_t> id{
      pid, (std::uint64_t{created.dwHighDateTime} << 32) | created.dwLowDateTime};
  auto it = known_.find(id);
  if (it == known_.end()) {
    if (known_.size() >= kMostKnown) known_.clear();
    it = known_
             .emplace(id, platform::ForegroundProgram{ExeNameOfProcess(process),
                                                      ProcessElevated(process)})
             .first;
  }
  CloseHandle(process);
  return it->second;
}

void Win32Foreground::Tell(HWND window) noexcept {
  told_ = window;
  try {
    platform::ForegroundProgram program = ProgramOfWindow(window);
    toldFrame_ =
        platform::ProgramNameKey(program.exe) == platform::ProgramNameKey(platform::kAppFrameHost);
    if (sink_) sink_->OnForegroundChanged(program);
  } catch (...) {
    // The focused program stays as last told; the next focus change tells it afresh.
  }
}

void CALLBACK Win32Foreground::OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG,
                                       DWORD, DWORD) {
  if (event == EVENT_SYSTEM_FOREGROUND && object == OBJID_WINDOW && g_watcher)
    g_watcher->Tell(window);
}

}  // namespace zv::win32
