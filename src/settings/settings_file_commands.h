#pragma once
// The tray's "Load Settings File" and "Save Settings File As": the settings file replaced by a
// copy of another Zorvane settings file, or copied under a new name. A load that cannot happen
// (no such file, not a Zorvane settings file, the copy refused) and a save that fails tell the
// user, naming the file; a chosen path enters the recent list either way.
#include <string>

#include "platform/files.h"
#include "settings/recent_files.h"

namespace zv {

// What the commands need of the window.
class SettingsFileView {
 public:
  virtual ~SettingsFileView() = default;
  // The open and save dialogs ("Settings File|*.qnp"); empty when cancelled.
  virtual std::string ChooseFileToLoad() = 0;
  virtual std::string ChooseFileToSave() = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  // Empties the "Keyboard Map" list and fills it from the settings file.
  virtual void RefreshKeyboardMap() = 0;
};

// The save name: unchanged when it holds ".qnp" in any letter case anywhere, else + ".qnp".
std::string SaveNameWithExtension(const std::string& name);

class SettingsFileCommands {
 public:
  SettingsFileCommands(platform::Files& files, std::string settingsPath, TRecentFiles& recent,
                       SettingsFileView& view)
      : files_(files), settingsPath_(std::move(settingsPath)), recent_(recent), view_(view) {}

  // True when the settings file now is a copy of path.
  bool LoadSettingsFile(const std::string& path);
  void N6Click();  // "Load Settings File"
  void N5Click();  // "Save Settings File As"
  // A recent entry was chosen: its stored path is loaded; the list stays as it is.
  void RecentItemClick(const std::string& path);

 private:
  platform::Files& files_;
  std::string settingsPath_;
  TRecentFiles& recent_;
  SettingsFileView& view_;
};

}  // namespace zv
