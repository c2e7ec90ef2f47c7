// A store app's frame is named after the app inside it; every other window after its own
// process. The windows here stand in for the system's; tests/platform/win32_programs_test.cpp
// drives the real enumeration.
#include "platform/program_window.h"

#include <gtest/gtest.h>

namespace zv::platform {
namespace {

TEST(ProgramWindow, TheCoreWindowOfAnotherProcessNamesAStoreAppsFrame) {
  constexpr std::uint32_t kFrame = 10, kCalculator = 20, kEditor = 30;
  const std::vector<ChildWindow> calculatorInFrame = {{kFrame, "ApplicationFrameTitleBarWindow"},
                                                      {kCalculator, kCoreWindowClass}};
  const std::vector<ChildWindow> ownCoreWindow = {{kFrame, kCoreWindowClass}};
  struct Case {
    std::uint32_t top;
    const char* exe;
    const std::vector<ChildWindow>* children;
    std::uint32_t program;
  } cases[] = {
      {kFrame, "ApplicationFrameHost.exe", &calculatorInFrame, kCalculator},
      {kFrame, "APPLICATIONFRAMEHOST.EXE", &calculatorInFrame, kCalculator},
      {kFrame, "ApplicationFrameHost.exe", &ownCoreWindow, kFrame},  // the app not in it yet
      {kEditor, "editor.exe", &calculatorInFrame, kEditor},          // only the frame host's
  };
  for (const Case& c : cases) {
    int asked = 0;
    std::uint32_t program = ProgramProcess(c.top, c.exe, [&] {
      ++asked;
      return *c.children;
    });
    EXPECT_EQ(program, c.program) << c.exe;
    EXPECT_EQ(asked, c.top == kFrame ? 1 : 0) << "children of " << c.exe;
  }
}

}  // namespace
}  // namespace zv::platform
