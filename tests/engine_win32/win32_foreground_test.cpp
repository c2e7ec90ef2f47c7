// The foreground watch on the real system: the program of the foreground window by its
// executable's file name, told at once when watching starts, and again at a look (Recheck) only
// once another window has come to the foreground.
#include "platform/win32/win32_foreground.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/win32/win32_process_name.h"

namespace zv {
namespace {

struct RecordingSink : platform::ForegroundSink {
  std::vector<platform::ForegroundProgram> told;
  void OnForegroundChanged(const platform::ForegroundProgram& program) override {
    told.push_back(program);
  }
};

HWND ShownWindow(int left) {
  HWND w = CreateWindowA("STATIC", "ZvForeground", WS_OVERLAPPEDWINDOW | WS_VISIBLE, left, 10, 200,
                         100, nullptr, nullptr, nullptr, nullptr);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  return w;
}

std::string OwnExeName() {
  char path[MAX_PATH];
  std::string full(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return full.substr(full.find_last_of('\\') + 1);
}

TEST(Win32Foreground, TellsTheFocusedProgramAtTheStartAndAfterAChangeOnly) {
  HWND first = ShownWindow(10), second = ShownWindow(300);
  ASSERT_TRUE(first && second);
  SetForegroundWindow(first);
  EXPECT_EQ(win32::ExeNameOfWindow(first), OwnExeName());
  EXPECT_EQ(win32::ExeNameOfWindow(nullptr), "");

  win32::Win32Foreground foreground;
  RecordingSink sink;
  foreground.Watch(sink);
  ASSERT_EQ(sink.told.size(), 1u);
  EXPECT_EQ(sink.told[0].exe, OwnExeName());
  foreground.Recheck();  // the same window: nothing to tell
  EXPECT_EQ(sink.told.size(), 1u);
  SetForegroundWindow(second);
  foreground.Recheck();
  EXPECT_EQ(sink.told.size(), 2u);
  foreground.StopWatching();
  SetForegroundWindow(first);
  foreground.Recheck();
  EXPECT_EQ(sink.told.size(), 2u);
  DestroyWindow(first);
  DestroyWindow(second);
}

}  // namespace
}  // namespace zv
