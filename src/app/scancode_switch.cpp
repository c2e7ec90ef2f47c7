#include "app/scancode_switch.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/win32_registry.h"
#include "scancode/scancode_map.h"

namespace zv {

bool IsWriteScancodeMapSwitch(int argc, char** argv) {
  return argc > 1 && std::strcmp(argv[1], kWriteScancodeMapSwitch) == 0;
}

int RunWriteScancodeMapSwitch(int argc, char** argv) {
  std::string why = "one value must follow the switch";
  if (argc != 3 || !ValidateScancodeMapHex(argv[2], &why)) {
    const std::string text = "Windows' key map was not changed: the value given to " +
                             std::string(kWriteScancodeMapSwitch) + " is not valid (" + why + ").";
    MessageBoxA(nullptr, text.c_str(), "Zorvane", MB_OK | MB_ICONERROR);
    return kSwitchInvalid;
  }
  win32::Win32Registry registry;
  try {
    WriteScancodeMap(registry, argv[2]);
  } catch (const Error&) {
    return kSwitchRefused;
  }
  return kSwitchWritten;
}

}  // namespace zv
