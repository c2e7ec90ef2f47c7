#pragma once
// The parameter dialogs as the editor uses them: EditParameter's dialogs for the codes 601 to
// 605, owned by one window (or by none).
#include <windows.h>

#include <string>

#include "platform/key_state.h"
#include "ui/parameter_prompter.h"

namespace zv::win32 {

class DialogParameterPrompter : public ParameterPrompter {
 public:
  // The key state serves the key-sequence dialog's key capture (left or right modifier).
  DialogParameterPrompter(HWND owner, platform::KeyState& keys) : owner_(owner), keys_(keys) {}

  std::string AskTypeText(const std::string& initial) override;
  std::string AskKeyCombination(const std::string& initial) override;
  std::string AskKeySequence(const std::string& initial) override;
  std::string AskRun(const std::string& initial) override;
  std::string AskTapHold(const std::string& initial,
                         const std::vector<std::string>& layers) override;

 private:
  HWND owner_;
  platform::KeyState& keys_;
};

// Opens the code's dialog modally with the stored parameter text ("0" for none) and gives the
// new parameter text, or " " after Cancel, the close box or an empty dialog.
std::string EditParameter(HWND owner, platform::KeyState& keys, int code,
                          const std::string& initial);

}  // namespace zv::win32
