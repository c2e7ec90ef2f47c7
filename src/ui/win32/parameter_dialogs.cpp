#include "ui/win32/parameter_dialogs.h"

#include "ui/win32/hotkey_dialog.h"
#include "ui/win32/key_sequence_dialog.h"
#include "ui/win32/paste_text_dialog.h"
#include "ui/win32/run_dialog.h"
#include "ui/win32/tap_hold_dialog.h"

namespace zv::win32 {

std::string DialogParameterPrompter::AskTypeText(const std::string& initial) {
  TfrmPasteText dialog(owner_);
  return RunParameterDialog(dialog, initial);
}

std::string DialogParameterPrompter::AskKeyCombination(const std::string& initial) {
  TfrmHotkey dialog(owner_);
  return RunParameterDialog(dialog, initial);
}

std::string DialogParameterPrompter::AskKeySequence(const std::string& initial) {
  TfrmKeySequence dialog(owner_, keys_);
  return RunParameterDialog(dialog, initial);
}

std::string DialogParameterPrompter::AskRun(const std::string& initial) {
  TfrmRun dialog(owner_);
  return RunParameterDialog(dialog, initial);
}

std::string DialogParameterPrompter::AskTapHold(const std::string& initial,
                                                const std::vector<std::string>& layers) {
  TfrmTapHold dialog(owner_, layers);
  return RunParameterDialog(dialog, initial);
}

std::string EditParameter(HWND owner, platform::KeyState& keys, int code,
                          const std::string& initial) {
  DialogParameterPrompter prompter(owner, keys);
  return EditParameterOfCode(code, initial, prompter);
}

}  // namespace zv::win32
