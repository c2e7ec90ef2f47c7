#include "app/elevated_switches.h"

#include <windows.h>

#include <cstring>

#include "app/elevated_run.h"
#include "platform/win32/win32_registry.h"
#include "scancode/scancode_map.h"
#include "settings/autorun.h"

namespace zv {

namespace {

int Invalid(const char* change, const char* name, const std::string& why) {
  const std::string text = std::string(change) + " was not changed: the arguments of " + name +
                           " are not valid (" + why + ").";
  MessageBoxA(nullptr, text.c_str(), "Zorvane", MB_OK | MB_ICONERROR);
  return kSwitchInvalid;
}

int WriteScancodeMapSwitch(int argc, char** argv) {
  const char* const change = "Windows' key map";
  std::string why = "one value must follow the switch";
  if (argc != 3) return Invalid(change, argv[1], why);
  const bool remove = std::strcmp(argv[2], kRemoveScancodeMapValue) == 0;
  if (!remove && !ValidateScancodeMapHex(argv[2], &why)) return Invalid(change, argv[1], why);
  win32::Win32Registry registry;
  try {
    if (remove) {
      DeleteScancodeMap(registry);
    } else {
      WriteScancodeMap(registry, argv[2]);
    }
  } catch (const Error&) {
    return kSwitchRefused;
  }
  return kSwitchWritten;
}

int RemoveAutoRunSwitch(int argc, char** argv) {
  if (argc != 2) return Invalid("Starting with Windows", argv[1], "nothing may follow the switch");
  win32::Win32Registry registry;
  return RemoveMachineAutoRun(registry, OwnPath()) ? kSwitchWritten : kSwitchRefused;
}

}  // namespace

bool IsElevatedSwitch(int argc, char** argv) {
  return argc > 1 && (std::strcmp(argv[1], kWriteScancodeMapSwitch) == 0 ||
                      std::strcmp(argv[1], kRemoveAutoRunSwitch) == 0);
}

int RunElevatedSwitch(int argc, char** argv) {
  if (std::strcmp(argv[1], kRemoveAutoRunSwitch) == 0) return RemoveAutoRunSwitch(argc, argv);
  return WriteScancodeMapSwitch(argc, argv);
}

}  // namespace zv
