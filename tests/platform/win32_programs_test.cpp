// The names the real system gives programs: a file name outside ASCII comes back as UTF-8 for the
// focused program and for "Add program...", and a store app's frame is named after the process of
// the core window inside it. Wine has no store apps: a helper program plays the frame host (a
// copy named ApplicationFrameHost.exe) and the app, whose core-window-class child it puts into
// the frame from its own process.
#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/program_names.h"
#include "platform/win32/win32_foreground.h"
#include "platform/win32/win32_open_programs.h"
#include "platform/win32/win32_utf8.h"
#include "tests/platform/program_names_contract.h"
#include "tests/win32/temp_folder.h"

namespace zv::contract {
namespace {

// A helper program started by the test and ended by it.
class Started {
 public:
  Started(const std::wstring& exe, const std::wstring& args) {
    std::wstring line = L"\"" + exe + L"\" " + args;
    STARTUPINFOW start{};
    start.cb = sizeof start;
    ok_ = CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &start, &process_) != FALSE;
  }
  ~Started() {
    if (!ok_) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }
  // The process's window (a child of parent, when given), once it exists.
  HWND Window(HWND parent = nullptr) const {
    struct Search {
      DWORD pid;
      HWND found;
    } search{process_.dwProcessId, nullptr};
    auto match = [](HWND window, LPARAM p) -> BOOL {
      auto* s = reinterpret_cast<Search*>(p);
      DWORD pid = 0;
      GetWindowThreadProcessId(window, &pid);
      if (pid == s->pid && IsWindowVisible(window)) s->found = window;
      return s->found == nullptr;
    };
    for (int waited = 0; ok_ && !search.found && waited < 10000; waited += 20) {
      if (parent)
        EnumChildWindows(parent, match, reinterpret_cast<LPARAM>(&search));
      else
        EnumWindows(match, reinterpret_cast<LPARAM>(&search));
      if (!search.found) Sleep(20);
    }
    return search.found;
  }

 private:
  bool ok_ = false;
  PROCESS_INFORMATION process_{};
};

std::wstring Helper() {
  wchar_t path[MAX_PATH];
  DWORD size = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring self(path, size);
  return self.substr(0, self.find_last_of(L'\\') + 1) + L"zv_window_helper.exe";
}

TEST(Win32Programs, NamesOutsideAsciiAndStoreAppsInTheirFrame) {
  testing_win32::TempFolder folder;
  const std::string app = "Rechner Ärger Ψ.exe", host = "ApplicationFrameHost.exe";
  const std::wstring appPath = win32::WideOf(folder.Path(app));
  const std::wstring hostPath = win32::WideOf(folder.Path(host));
  ASSERT_TRUE(CopyFileW(Helper().c_str(), appPath.c_str(), FALSE));
  ASSERT_TRUE(CopyFileW(Helper().c_str(), hostPath.c_str(), FALSE));
  win32::Win32Foreground foreground;
  auto openCount = [](const std::string& name) {
    std::vector<std::string> open = win32::Win32OpenPrograms().OpenProgramNames();
    return std::count(open.begin(), open.end(), name);
  };

  Started plain(appPath, L"");
  ASSERT_TRUE(plain.Window());
  EXPECT_EQ(foreground.ProgramOfWindow(plain.Window()).exe, app);
  EXPECT_EQ(openCount(app), 1);

  Started frame(hostPath, L"");
  HWND frameWindow = frame.Window();
  ASSERT_TRUE(frameWindow);
  EXPECT_EQ(foreground.ProgramOfWindow(frameWindow).exe, host);  // no app inside yet
  Started core(appPath, std::to_wstring(reinterpret_cast<std::uintptr_t>(frameWindow)));
  ASSERT_TRUE(core.Window(frameWindow));
  EXPECT_EQ(foreground.ProgramOfWindow(frameWindow).exe, app);
  EXPECT_EQ(openCount(app), 2);
  EXPECT_EQ(openCount(host), 0);
}

// The keys agree with the system's own comparison, CompareStringOrdinal ignoring case.
TEST(Win32Programs, KeysCompareAsCompareStringOrdinal) {
  const char* names[] = {"Ärger.exe",   "äRGER.exe",   "straße.exe", "STRASSE.EXE",
                         "Блокнот.exe", "БЛОКНОТ.EXE", "ÿ.exe",      "Ÿ.exe",
                         "a_b.exe",     "AAB.exe",     "ıcon.exe",   "ICON.exe"};
  for (const char* a : names) {
    for (const char* b : names) {
      std::wstring wa = win32::WideOf(a), wb = win32::WideOf(b);
      int system = CompareStringOrdinal(wa.c_str(), -1, wb.c_str(), -1, TRUE) - CSTR_EQUAL;
      std::string ka = platform::ProgramNameKey(a), kb = platform::ProgramNameKey(b);
      int ours = ka < kb ? -1 : ka == kb ? 0 : 1;
      EXPECT_EQ(ours, system) << a << " / " << b;
    }
  }
}

}  // namespace
}  // namespace zv::contract
