#pragma once
// The "Settings" page: the autorun box and the hotkey settings, read at start-up and written to
// the settings file only by Exit. Setting a check box from code runs its click handler when
// that changes the box, as the user's click would.
#include <string>

#include "engine/hotkeys.h"
#include "platform/registry.h"
#include "settings/settings_file.h"

namespace zv {

class SettingsPageView : public HotKeyFields {
 public:
  virtual bool AutoRun() = 0;
  // Both set the box only; the page runs the click handler itself.
  virtual void SetAutoRun(bool checked) = 0;
  virtual void SetUseHotkey(bool checked) = 0;
};

class SettingsPage {
 public:
  SettingsPage(SettingsPageView& view, HotKeySettings& hotKeys, platform::Registry& registry,
               std::string executablePath)
      : view_(view), hotKeys_(hotKeys), registry_(registry), exe_(std::move(executablePath)) {}

  // Start-up: the box follows the registry; an existing entry is written again, so it follows
  // the executable when that has moved.
  void ReadAutoRunBox();
  // CheckBox1Click: writes or deletes the autorun entry.
  void AutoRunClick();
  // CheckBox2Click.
  void UseHotkeyClick() { hotKeys_.UseHotkeyClick(); }
  void LoadStartupSettings(SettingsFile& file);
  void SaveStartupSettings(SettingsFile& file);

 private:
  SettingsPageView& view_;
  HotKeySettings& hotKeys_;
  platform::Registry& registry_;
  std::string exe_;
};

}  // namespace zv
