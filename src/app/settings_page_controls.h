#pragma once
// The "Settings" page as the settings presenter sees it: the autorun box CheckBox1, "Use Hotkey"
// CheckBox2 and the hotkey fields HotKey1 and HotKey2 with their labels. Setting a box or a
// field from code raises no click or change event.
#include <windows.h>

#include <functional>
#include <string>

#include "ui/settings_page.h"
#include "ui/win32/main_window.h"

namespace zv {

class SettingsPageControls : public SettingsPageView {
 public:
  void SetControls(const win32::MainWindowControls* controls) { c_ = controls; }
  std::function<void(const std::string&)> showMessage;
  std::function<bool(const std::string&)> askYesNo;

  std::uint16_t HotKeyWord(int which) override;
  void SetHotKeyWord(int which, std::uint16_t word) override;
  bool UseHotkey() override;
  void EnableHotKeyControls(bool enabled) override;
  void ShowMessage(const std::string& text) override {
    if (showMessage) showMessage(text);
  }
  bool AskYesNo(const std::string& text) override { return askYesNo && askYesNo(text); }
  bool AutoRun() override;
  void SetAutoRun(bool checked) override;
  void SetUseHotkey(bool checked) override;

 private:
  HWND Field(int which) const { return which == 1 ? c_->HotKey1 : c_->HotKey2; }
  const win32::MainWindowControls* c_ = nullptr;
};

}  // namespace zv
