// Real names: a file name outside ASCII comes back as UTF-8, and a store app's frame is named after
// its core window's process. Wine has no store apps: copies of a helper play the frame host and
// the app, which puts a core-window-class child into the frame from its own process.
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

// A copy of the helper program, started by the test and ended by it.
struct Started {
  PROCESS_INFORMATION process{};
  Started(const std::wstring& exe, const std::wstring& args) {
    std::wstring line = L"\"" + exe + L"\" " + args;
    STARTUPINFOW start{};
    start.cb = sizeof start;
    CreateProcessW(exe.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start,
                   &process);
  }
  ~Started() {
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    for (HANDLE handle : {process.hThread, process.hProcess}) CloseHandle(handle);
  }
  // The helper's visible window (a child of parent, when given), once it exists.
  HWND Window(HWND parent = nullptr) const {
    for (int tries = 0; tries < 500; ++tries, Sleep(20))
      for (HWND w = nullptr;
           (w = FindWindowExW(parent, w, L"Windows.UI.Core.CoreWindow", nullptr));)
        if (GetWindowThreadProcessId(w, nullptr) == process.dwThreadId && IsWindowVisible(w))
          return w;
    return nullptr;
  }
};

TEST(Win32Programs, NamesOutsideAsciiAndStoreAppsInTheirFrame) {
  testing_win32::TempFolder folder;
  const std::string app = "Rechner Ärger Ψ.exe", host = "ApplicationFrameHost.exe";
  const std::wstring appPath = win32::WideOf(folder.Path(app));
  const std::wstring hostPath = win32::WideOf(folder.Path(host));
  wchar_t helper[MAX_PATH];  // beside the test program
  GetModuleFileNameW(nullptr, helper, MAX_PATH);
  lstrcpyW(wcsrchr(helper, L'\\') + 1, L"zv_window_helper.exe");  // shorter than ours
  for (const std::wstring& copy : {appPath, hostPath})
    ASSERT_TRUE(CopyFileW(helper, copy.c_str(), FALSE));
  win32::Win32Foreground foreground;

  Started plain(appPath, L"");
  EXPECT_EQ(foreground.ProgramOfWindow(plain.Window()).exe, app);
  std::vector<std::string> open = win32::Win32OpenPrograms().OpenProgramNames();
  EXPECT_EQ(std::count(open.begin(), open.end(), app), 1);

  Started frame(hostPath, L"");
  HWND frameWindow = frame.Window();
  ASSERT_TRUE(frameWindow);
  EXPECT_EQ(foreground.ProgramOfWindow(frameWindow).exe, host);  // no app inside yet
  Started core(appPath, std::to_wstring(reinterpret_cast<std::uintptr_t>(frameWindow)));
  ASSERT_TRUE(core.Window(frameWindow));
  EXPECT_EQ(foreground.ProgramOfWindow(frameWindow).exe, app);
  open = win32::Win32OpenPrograms().OpenProgramNames();
  EXPECT_EQ(std::count(open.begin(), open.end(), app), 2);
  EXPECT_EQ(std::count(open.begin(), open.end(), host), 0);
}

// The keys agree with the system's own comparison, CompareStringOrdinal ignoring case.
TEST(Win32Programs, KeysCompareAsCompareStringOrdinal) {
  const char* names[] = {"Ärger.exe",   "äRGER.exe",   "straße.exe", "STRASSE.EXE",
                         "Блокнот.exe", "БЛОКНОТ.EXE", "ÿ.exe",      "Ÿ.exe",
                         "a_b.exe",     "AAB.exe",     "ıcon.exe",   "ICON.exe"};
  for (const char* a : names)
    for (const char* b : names) {
      std::wstring wa = win32::WideOf(a), wb = win32::WideOf(b);
      std::string ka = platform::ProgramNameKey(a), kb = platform::ProgramNameKey(b);
      EXPECT_EQ((ka > kb) - (ka < kb),
                CompareStringOrdinal(wa.c_str(), -1, wb.c_str(), -1, TRUE) - CSTR_EQUAL)
          << a << " / " << b;
    }
}

}  // namespace
}  // namespace zv::contract
