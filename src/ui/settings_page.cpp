#include "ui/settings_page.h"

#include "settings/autorun.h"

namespace zv {

namespace {
constexpr const char* kSection = "Settings";
}

void SettingsPage::ReadAutoRunBox() {
  bool on = IsAutoRun(registry_, exe_);
  bool changed = on != view_.AutoRun();
  view_.SetAutoRun(on);
  if (changed) AutoRunClick();
}

void SettingsPage::AutoRunClick() {
  const bool on = view_.AutoRun();
  if (SetAutoRun(registry_, exe_, on) || on) return;
  const bool asked = view_.AskYesNo(kMachineAutoRunQuestion);
  if (asked && removeElevated_) removeElevated_();
  const bool kept = IsAutoRun(registry_, exe_);
  view_.SetAutoRun(kept);
  if (asked && kept) view_.ShowMessage(kMachineAutoRunKept);
}

void SettingsPage::LoadStartupSettings(SettingsFile& file) {
  ReadAutoRunBox();
  view_.SetHotKeyWord(1, static_cast<std::uint16_t>(
                             file.ReadInteger(kSection, "StartHotKey", kDefaultStartHotKey)));
  view_.SetHotKeyWord(
      2, static_cast<std::uint16_t>(file.ReadInteger(kSection, "StopHotKey", kDefaultStopHotKey)));
  bool use = file.ReadBool(kSection, "Hotkey", false);
  bool changed = use != view_.UseHotkey();
  view_.SetUseHotkey(use);
  if (changed) UseHotkeyClick();
  view_.EnableHotKeyControls(view_.UseHotkey());
}

void SettingsPage::UseHotkeyClick(SettingsFile& file) {
  UseHotkeyClick();
  SaveHotKeySettings(file);
}

void SettingsPage::HotKeyChange(int which, SettingsFile& file) {
  hotKeys_.HotKeyChange(which);  // a refused combination clears the field: 0 is stored
  SaveHotKeySettings(file);
}

void SettingsPage::SaveStartupSettings(SettingsFile& file) {
  SettingsFile::Batch batch(file);
  file.WriteBool(kSection, "AutoRun", view_.AutoRun());
  SaveHotKeySettings(file);
  batch.Commit();
}

void SettingsPage::SaveHotKeySettings(SettingsFile& file) {
  SettingsFile::Batch batch(file);
  file.WriteBool(kSection, "Hotkey", view_.UseHotkey());
  file.WriteInteger(kSection, "StartHotKey", view_.HotKeyWord(1));
  file.WriteInteger(kSection, "StopHotKey", view_.HotKeyWord(2));
  batch.Commit();
}

}  // namespace zv
