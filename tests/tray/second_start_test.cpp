// A second start over the windows of class "TMainForm": at sign-in it ends silently; a start by
// the user shows the running instance, and another program's window of that class is only asked.
#include "ui/second_start.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

class Windows : public InstanceWindows {
 public:
  std::vector<std::uintptr_t> forms;  // in the order the system lists them
  std::uintptr_t ours = 0;            // the running instance's window, 0: none
  std::string journal;

  std::vector<std::uintptr_t> MainForms() override { return forms; }
  std::intptr_t SendShowRequest(std::uintptr_t window, std::uintptr_t wParam) override {
    journal += (wParam == kShowRequestShow ? "show " : "ask ") + std::to_string(window) + " ";
    return window == ours ? kShowRequestAnswer : 0;
  }
  void AllowForeground(std::uintptr_t window) override {
    journal += "allow " + std::to_string(window) + " ";
  }
};

TEST(SecondStart, ShowsTheRunningWindowUnlessStartedHidden) {
  struct Case {
    std::vector<std::string> args;
    std::uintptr_t ours;
    bool shown;
    std::string journal;
  };
  const Case cases[] = {
      {{"-Hide"}, 2, false, ""},                                // the start at sign-in
      {{}, 2, true, "ask 1 ask 2 allow 2 show 2 "},             // the user's start
      {{"-hide"}, 2, true, "ask 1 ask 2 allow 2 show 2 "},      // only "-Hide" exactly hides
      {{"x", "-Hide"}, 2, true, "ask 1 ask 2 allow 2 show 2 "}, // and only as first argument
      {{}, 0, false, "ask 1 ask 2 ask 3 "},                     // none answers: nothing shown
  };
  for (const Case& c : cases) {
    Windows windows;
    windows.forms = {1, 2, 3};
    windows.ours = c.ours;
    EXPECT_EQ(SecondStart(c.args, windows), c.shown);
    EXPECT_EQ(windows.journal, c.journal) << (c.args.empty() ? "" : c.args.back());
  }
}

}  // namespace
}  // namespace zv
