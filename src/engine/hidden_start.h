#pragma once
// What the hidden start (-Hide) does until the activation switch exists: activate the engine
// when the settings file holds at least one mapping.
#include "engine/key_hook.h"
#include "settings/settings_file.h"

namespace zv {

inline constexpr const char* kChangeKeyFirst = "Please Change the key first.";

// True when it activated the engine; false when there is no mapping (the caller shows
// kChangeKeyFirst).
bool ActivateOnHiddenStart(SettingsFile& settings, KeyHook& hook);

}  // namespace zv
