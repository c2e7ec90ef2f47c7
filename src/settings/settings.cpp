#include "settings/settings.h"

namespace zv {

std::string SettingsPathFor(const std::string& executablePath) {
  std::string::size_type slash = executablePath.find_last_of("\\/");
  std::string folder = slash == std::string::npos ? "" : executablePath.substr(0, slash + 1);
  return folder + kSettingsFileName;
}

std::string ReadSetting(SettingsFile& file, const std::string& section, const std::string& key) {
  return file.ReadString(section, key, "0");
}

void WriteSetting(SettingsFile& file, const std::string& section, const std::string& key,
                  const std::string& value) {
  file.WriteString(section, key, value);
}

bool IsSettingsFile(SettingsFile& file) {
  return file.ReadString("Settings", "Sign", " ") == kProductName;
}

bool IsSettingsFile(platform::Files& files, const std::string& path) {
  SettingsFile file(files, path);
  return IsSettingsFile(file);
}

bool ReadTipFlag(SettingsFile& file, const std::string& tip) {
  return file.ReadBool("ShowDiag", tip, true);
}

void WriteTipFlag(SettingsFile& file, const std::string& tip, bool show) {
  file.WriteBool("ShowDiag", tip, show);
}

void PrepareSettingsFile(SettingsFile& file) {
  if (file.ReadString("DisableKey", "Index", "0") == "0")
    file.WriteString("DisableKey", "Index", "0");
  file.WriteString("Settings", "Sign", kProductName);
}

void ResetSettingsFile(SettingsFile& file) {
  file.RemoveFile();
  file.WriteString("DisableKey", "Index", "0");
}

}  // namespace zv
