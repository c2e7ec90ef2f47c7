#pragma once
// The "Settings" page: the autorun box and the hotkey settings, read at start-up. The user's
// edits of the hotkey settings reach the settings file at once, so that an end by the system or
// a crash keeps them; Exit writes the whole page. Setting a check box from code runs its click
// handler when that changes the box, as the user's click would.
#include <functional>
#include <string>

#include "engine/hotkeys.h"
#include "platform/registry.h"
#include "settings/settings_file.h"

namespace zv {

inline constexpr const char* kMachineAutoRunQuestion =
    "Zorvane is started for every user of this computer by an entry that only an administrator "
    "may remove. Remove it as administrator?";
inline constexpr const char* kMachineAutoRunKept =
    "Zorvane still starts when Windows starts: the entry for every user was not removed.";

class SettingsPageView : public HotKeyFields {
 public:
  // A Yes/No question; true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  virtual bool AutoRun() = 0;
  // Both set the box only; the page runs the click handler itself.
  virtual void SetAutoRun(bool checked) = 0;
  virtual void SetUseHotkey(bool checked) = 0;
};

class SettingsPage {
 public:
  // removeElevated deletes the machine-wide entry with more rights; true when it did.
  SettingsPage(SettingsPageView& view, HotKeySettings& hotKeys, platform::Registry& registry,
               std::string executablePath, std::function<bool()> removeElevated = nullptr)
      : view_(view),
        hotKeys_(hotKeys),
        registry_(registry),
        exe_(std::move(executablePath)),
        removeElevated_(std::move(removeElevated)) {}

  // Start-up: the box follows the registry; an existing entry is written again, so it follows
  // the executable when that has moved.
  void ReadAutoRunBox();
  // CheckBox1Click: writes or deletes the autorun entry. A machine-wide entry that this user
  // may not delete is offered to an administrator; the box then shows what the registry holds.
  void AutoRunClick();
  // CheckBox2Click; given the file, the user's click, stored at once.
  void UseHotkeyClick() { hotKeys_.UseHotkeyClick(); }
  void UseHotkeyClick(SettingsFile& file);
  // HotKey1Change, HotKey2Change: the user's edit, in force and stored at once.
  void HotKeyChange(int which, SettingsFile& file);
  void LoadStartupSettings(SettingsFile& file);
  void SaveStartupSettings(SettingsFile& file);

 private:
  void SaveHotKeySettings(SettingsFile& file);

  SettingsPageView& view_;
  HotKeySettings& hotKeys_;
  platform::Registry& registry_;
  std::string exe_;
  std::function<bool()> removeElevated_;
};

}  // namespace zv
