#pragma once
// The autorun entry: a string value in the Run key named after the executable's file name,
// holding the quoted full path and " -Hide". The path is quoted: with a blank in an unquoted
// path Windows would try "C:\Program.exe" first. Either Run key counts, and the program keeps
// one copy: a new entry goes under HKEY_LOCAL_MACHINE where this user may write there and
// under HKEY_CURRENT_USER otherwise, an existing one is rewritten where it is.
#include <string>

#include "platform/registry.h"

namespace zv {

inline constexpr const char* kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// "C:\Program Files\Zorvane\zorvane.exe" -> "\"C:\Program Files\Zorvane\zorvane.exe\" -Hide"
std::string AutoRunCommand(const std::string& executablePath);
// The file name with its extension, without the folder.
std::string FileNameOf(const std::string& path);

// Whether a value named after the executable exists in either Run key.
bool IsAutoRun(platform::Registry& registry, const std::string& executablePath);
// On: rewrites the existing entry (a machine-wide one this user may not change stays as it is,
// and a copy under HKEY_CURRENT_USER beside it is deleted), or writes a new one (throws
// "Failed to set data for '%s'" when no Run key can be written). Off: deletes it from both Run
// keys. False when a machine-wide entry stays for lack of rights; true otherwise.
bool SetAutoRun(platform::Registry& registry, const std::string& executablePath, bool on);
// Deletes the machine-wide entry only; true when none is left.
bool RemoveMachineAutoRun(platform::Registry& registry, const std::string& executablePath);

}  // namespace zv
