#include "engine/hidden_start.h"

namespace zv {

bool ActivateOnHiddenStart(SettingsFile& settings, KeyHook& hook) {
  if (settings.ReadSection("SwapKey").empty()) return false;
  hook.InstallKeyHook();
  return true;
}

}  // namespace zv
