#pragma once
// The switches with which the program starts itself elevated, for a user who may not change a
// value under HKEY_LOCAL_MACHINE; each changes that one value and nothing else, and runs beside
// the normal instance (it is handled before the single-instance check):
//   -WriteScancodeMap <HEX>   stores Windows' key map
//   -WriteScancodeMap Remove  deletes it (Reset All)
//   -RemoveAutoRun            deletes the machine-wide Run value named after this executable
#include <string>

namespace zv {

inline constexpr const char* kWriteScancodeMapSwitch = "-WriteScancodeMap";
inline constexpr const char* kRemoveScancodeMapValue = "Remove";
inline constexpr const char* kRemoveAutoRunSwitch = "-RemoveAutoRun";

// Exit codes of the switches.
inline constexpr int kSwitchWritten = 0;
inline constexpr int kSwitchInvalid = 1;  // a message box said why; nothing was changed
inline constexpr int kSwitchRefused = 2;  // the registry refused the change; the caller reports it

// True when the first argument is one of the switches.
bool IsElevatedSwitch(int argc, char** argv);
// Checks the arguments strictly (for -WriteScancodeMap exactly one: "Remove" or a value that
// ValidateScancodeMapHex accepts; for -RemoveAutoRun none), makes the change and gives the
// exit code.
int RunElevatedSwitch(int argc, char** argv);

}  // namespace zv
