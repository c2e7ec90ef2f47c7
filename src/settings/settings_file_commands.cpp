#include "settings/settings_file_commands.h"

#include <cctype>

#include "common/error.h"
#include "settings/file_replace.h"
#include "settings/settings.h"

namespace zv {

std::string SaveNameWithExtension(const std::string& name) {
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find(".qnp") == std::string::npos ? name + ".qnp" : name;
}

bool SettingsFileCommands::LoadSettingsFile(const std::string& path) {
  if (path.empty()) return false;
  if (!files_.Exists(path)) {
    view_.ShowMessage(FormatMessage("Cannot find the settings file %s.", path));
    return false;
  }
  if (!IsSettingsFile(files_, path)) {
    view_.ShowMessage(FormatMessage("%s is not a Zorvane settings file.", path));
    return false;
  }
  // The loaded text replaces the settings file the way every write does, never by a copy that
  // could stop half way over the only copy of the user's mappings.
  std::string bytes;
  if (!files_.Read(path, bytes) ||
      ReplaceContent(files_, settingsPath_, bytes) != ReplaceResult::kDone) {
    view_.ShowMessage(FormatMessage("Unable to load %s", path));
    return false;
  }
  view_.RefreshKeyboardMap();
  return true;
}

void SettingsFileCommands::N6Click() {
  std::string path = view_.ChooseFileToLoad();
  if (path.empty() || path == settingsPath_) return;
  LoadSettingsFile(path);
  recent_.AddRecentFile(path);
}

void SettingsFileCommands::N5Click() {
  std::string name = view_.ChooseFileToSave();
  if (name.empty()) return;
  name = SaveNameWithExtension(name);
  if (!files_.Copy(settingsPath_, name)) {
    view_.ShowMessage(FormatMessage("Unable to save %s", name));
  }
}

void SettingsFileCommands::RecentItemClick(const std::string& path) {
  LoadSettingsFile(path);  // an entry without a stored path (empty) does nothing
}

}  // namespace zv
