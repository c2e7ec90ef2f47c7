#pragma once
// A start while the program already runs. The start at sign-in ("-Hide") ends silently; a start
// by the user brings the running instance's window to the front, for that user is looking for
// it. The running instance is found among the windows of class "TMainForm" by a message
// registered under the program's own name: a window first says whether it is ours, and only
// then gets the right to come to the front and the request to show itself. Other programs'
// windows of that class get neither.
#include <cstdint>
#include <string>
#include <vector>

namespace zv {

// The request's wParam: the question whether the window is ours, and the request to show.
inline constexpr std::uintptr_t kShowRequestAsk = 0;
inline constexpr std::uintptr_t kShowRequestShow = 1;
// What the program's main window answers to either; other windows answer 0.
inline constexpr std::intptr_t kShowRequestAnswer = 0x5A56;

// Only the first argument counts, and only when it is exactly "-Hide".
bool IsHiddenStart(const std::vector<std::string>& args);

class InstanceWindows {
 public:
  virtual ~InstanceWindows() = default;
  // The top-level windows of class "TMainForm", whatever program made them.
  virtual std::vector<std::uintptr_t> MainForms() = 0;
  // Sends the registered request; the answer, 0 when the window did not answer in time.
  virtual std::intptr_t SendShowRequest(std::uintptr_t window, std::uintptr_t wParam) = 0;
  // AllowSetForegroundWindow for the window's process.
  virtual void AllowForeground(std::uintptr_t window) = 0;
};

// args: the command line's arguments after the program's path. True when a window was shown.
bool SecondStart(const std::vector<std::string>& args, InstanceWindows& windows);

}  // namespace zv
