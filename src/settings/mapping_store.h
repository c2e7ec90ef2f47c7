#pragma once
// Writing and removing mappings so that the settings file stays consistent: "SwapKey" and
// "SwapScrKeyCode" of the source key, the numbered parameter sections with their counts in
// "Settings", and the intercepted-code list in "DisableKey" that the keyboard hook reads.
// Each operation does its reads and writes in a fixed order; when one fails (zv::Error), the
// writes before it stay.
#include <string>
#include <vector>

#include "settings/ini_document.h"
#include "settings/settings_file.h"

namespace zv {

// "SwapKey" source = value, then "SwapScrKeyCode" source = code.
void WriteSwapKey(SettingsFile& file, const std::string& source, const std::string& value,
                  int code);

// Stores source changed to target (a plain "Changed to" name); a parameterised target gets the
// next parameter section, holding parameter (" " for targets without one). Returns true.
bool StoreMapping(SettingsFile& file, const std::string& source, const std::string& target,
                  const std::string& parameter);

// Removes the mapping of source; the last parameter section of its action moves into the hole.
// A key without a mapping changes nothing.
void RemoveMapping(SettingsFile& file, const std::string& source);

// Strict "Settings" action + "Count".
int ParameterCount(SettingsFile& file, const std::string& action);

// Copies every key of section from into section to (file order), then erases from. When both
// name the same section, the section is gone afterwards.
void MoveSection(SettingsFile& file, const std::string& from, const std::string& to);

// Points the "SwapKey" values that name the last parameter section of action (its number is
// the current count) at section number n instead.
void RenumberReferences(SettingsFile& file, const std::string& action, int n);

// The intercepted-code list: "DisableKey" "Index" = N and KeyCode1..KeyCodeN, each code once.
void AddInterceptedCode(SettingsFile& file, int code);
void RemoveInterceptedCode(SettingsFile& file, int code);
bool IsInterceptedCode(SettingsFile& file, int code);
bool IsInterceptedCode(const IniDocument& doc, int code);
// n for a "DisableKey" key named "KeyCode<n>" (any letter case, n written without leading
// zeros, as the list's own entries are), else 0.
int KeyCodeNumber(const std::string& key);
// The values of every "DisableKey" key but "Index" and "TempCode" (any letter case), in file
// order.
std::vector<std::string> InterceptedCodes(SettingsFile& file);
std::vector<std::string> InterceptedCodes(const IniDocument& doc);

}  // namespace zv
