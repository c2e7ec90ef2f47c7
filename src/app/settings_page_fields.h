#pragma once
// The values of the "Settings" page: the autorun box, "Use Hotkey" and the two hotkey fields.
// They are held here and shown by the page's controls where the window has them.
#include <cstdint>
#include <functional>
#include <string>

#include "ui/settings_page.h"

namespace zv {

class SettingsPageFields : public SettingsPageView {
 public:
  std::uint16_t HotKeyWord(int which) override { return words_[which == 1 ? 0 : 1]; }
  void SetHotKeyWord(int which, std::uint16_t word) override { words_[which == 1 ? 0 : 1] = word; }
  bool UseHotkey() override { return useHotkey_; }
  void EnableHotKeyControls(bool enabled) override { controlsEnabled_ = enabled; }
  void ShowMessage(const std::string& text) override {
    if (showMessage) showMessage(text);
  }
  bool AutoRun() override { return autoRun_; }
  void SetAutoRun(bool checked) override { autoRun_ = checked; }
  void SetUseHotkey(bool checked) override { useHotkey_ = checked; }

  bool controlsEnabled() const { return controlsEnabled_; }
  std::function<void(const std::string&)> showMessage;

 private:
  std::uint16_t words_[2] = {0, 0};
  bool useHotkey_ = false;
  bool autoRun_ = false;
  bool controlsEnabled_ = false;
};

}  // namespace zv
