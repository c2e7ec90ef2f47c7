#pragma once
// The plain settings operations: single values, the file's signature, the tip flags, and what
// start-up and Reset All write.
#include <string>

#include "platform/files.h"
#include "settings/settings_file.h"

namespace zv {

inline constexpr const char* kProductName = "Zorvane";
inline constexpr const char* kSettingsFileName = "Keydat.qnp";

// The settings file beside the executable: its folder (with the trailing backslash) followed
// by "Keydat.qnp".
std::string SettingsPathFor(const std::string& executablePath);

// The value, or "0" when the key does not exist.
std::string ReadSetting(SettingsFile& file, const std::string& section, const std::string& key);
void WriteSetting(SettingsFile& file, const std::string& section, const std::string& key,
                  const std::string& value);

// True when that file's "Settings" "Sign" is exactly "Zorvane" (letter case counts).
bool IsSettingsFile(platform::Files& files, const std::string& path);
bool IsSettingsFile(SettingsFile& file);

// The "ShowDiag" flags of the tips (the one in use is "ChangeSuc"); true when unset.
bool ReadTipFlag(SettingsFile& file, const std::string& tip);
void WriteTipFlag(SettingsFile& file, const std::string& tip, bool show);

// Start-up: makes sure "DisableKey" "Index" exists (written as "0" when it reads as "0"), then
// signs the file. A first start thus creates "DisableKey" first and "Settings" second.
void PrepareSettingsFile(SettingsFile& file);

// Reset All: deletes the file and writes "DisableKey" "Index" = "0", which leaves a file with
// only that entry (no signature until the next start or mapping). A file that cannot be
// deleted is reported (zv::Error) and left as it is.
void ResetSettingsFile(SettingsFile& file);

}  // namespace zv
