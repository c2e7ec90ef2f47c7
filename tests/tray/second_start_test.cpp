// A second start over the windows of class "TMainForm" 1, 2 and 3: at sign-in it ends silently;
// a start by the user shows the running instance's window, and other programs' are only asked.
#include "ui/second_start.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

struct Windows : InstanceWindows {
  std::uintptr_t ours = 0;  // the running instance's window; 0: none answers
  std::string journal;
  std::vector<std::uintptr_t> MainForms() override { return {1, 2, 3}; }
  std::intptr_t SendShowRequest(std::uintptr_t window, std::uintptr_t wParam) override {
    journal += (wParam == kShowRequestShow ? "show " : "ask ") + std::to_string(window) + " ";
    return window == ours ? kShowRequestAnswer : 0;
  }
  void AllowForeground(std::uintptr_t w) override { journal += "allow " + std::to_string(w) + " "; }
};

TEST(SecondStart, ShowsTheRunningWindowUnlessStartedHidden) {
  const std::string shown = "ask 1 ask 2 allow 2 show 2 ";
  const struct {
    std::vector<std::string> args;
    std::uintptr_t ours;
    std::string journal;
  } cases[] = {
      {{"-Hide"}, 2, ""},  // the start at sign-in
      {{}, 2, shown},
      {{"-hide"}, 2, shown},  // only "-Hide" exactly, and only as the first argument, hides
      {{"x", "-Hide"}, 2, shown},
      {{}, 0, "ask 1 ask 2 ask 3 "},
  };
  for (const auto& c : cases) {
    Windows windows;
    windows.ours = c.ours;
    EXPECT_EQ(SecondStart(c.args, windows), c.journal == shown) << c.journal;
    EXPECT_EQ(windows.journal, c.journal);
  }
}

}  // namespace
}  // namespace zv
