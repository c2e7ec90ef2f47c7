// A store app's frame is named after the app inside it; every other window after its own
// process. The windows here stand in for the system's; tests/platform/win32_programs_test.cpp
// drives the real enumeration.
#include "platform/program_window.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zv::platform {
namespace {

TEST(ProgramWindow, TheCoreWindowOfAnotherProcessNamesAStoreAppsFrame) {
  constexpr std::uint32_t kFrame = 10, kApp = 20;
  const std::vector<ChildWindow> appInFrame = {{kFrame, "TitleBar"}, {kApp, kCoreWindowClass}};
  const std::vector<ChildWindow> ownCoreWindow = {{kFrame, kCoreWindowClass}};
  // top-level window's executable, its children, the program's process (the app still starting
  // has no core window in the frame; only the frame host's children are looked at)
  const std::tuple<const char*, const std::vector<ChildWindow>*, std::uint32_t> cases[] = {
      {"ApplicationFrameHost.exe", &appInFrame, kApp},
      {"APPLICATIONFRAMEHOST.EXE", &appInFrame, kApp},
      {"ApplicationFrameHost.exe", &ownCoreWindow, kFrame},
      {"editor.exe", nullptr, kFrame},
  };
  for (const auto& [exe, children, program] : cases)
    EXPECT_EQ(ProgramProcess(kFrame, exe, [c = children] { return *c; }), program) << exe;
}

}  // namespace
}  // namespace zv::platform
