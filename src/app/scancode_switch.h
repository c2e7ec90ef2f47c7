#pragma once
// "-WriteScancodeMap <HEX>": the program started elevated by the editor to store Windows' key
// map for a user who may not change it. It writes that one value and nothing else, and runs
// beside the normal instance (it is handled before the single-instance check).
#include <string>

namespace zv {

inline constexpr const char* kWriteScancodeMapSwitch = "-WriteScancodeMap";

// Exit codes of the switch.
inline constexpr int kSwitchWritten = 0;
inline constexpr int kSwitchInvalid = 1;  // a message box said why; nothing was written
inline constexpr int kSwitchRefused = 2;  // the registry refused the write; the caller reports it

// True when the first argument is the switch.
bool IsWriteScancodeMapSwitch(int argc, char** argv);
// Checks the value strictly (exactly one argument after the switch, ValidateScancodeMapHex),
// stores it and gives the exit code.
int RunWriteScancodeMapSwitch(int argc, char** argv);

}  // namespace zv
