#pragma once
// The two global hotkeys: shortcut words split for RegisterHotKey, the words a field may hold
// while the user is still typing, and their registration under the atoms "StartHotKey" and
// "StopHotKey". A field's change withdraws what was registered under its identifier before, so
// only the two combinations the fields show are ever registered.
#include <cstdint>
#include <string>

#include "platform/hotkeys.h"

namespace zv {

inline constexpr std::uint16_t kDefaultStartHotKey = 32817;  // Alt+1
inline constexpr std::uint16_t kDefaultStopHotKey = 32818;   // Alt+2
inline constexpr const char* kRegisterHotKeyFail = "Register HotKey Fail,Please reset Hotkey!";

struct ShortcutParts {
  unsigned modifiers = 0;  // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4
  unsigned key = 0;        // the virtual-key code
};

// Shift $2000, Ctrl $4000, Alt $8000 over the key in the low 13 bits.
ShortcutParts SplitShortcut(std::uint16_t word);
// None, Alt alone, Ctrl alone, and $80FF: never registered, never complained about.
bool IsExcludedHotKey(std::uint16_t word);

// The "Settings" page's hotkey part as the window shows it.
class HotKeyFields {
 public:
  virtual ~HotKeyFields() = default;
  virtual std::uint16_t HotKeyWord(int which) = 0;  // 1 activation, 2 suspension
  // Sets a field from code; raises no change event.
  virtual void SetHotKeyWord(int which, std::uint16_t word) = 0;
  virtual bool UseHotkey() = 0;
  virtual void EnableHotKeyControls(bool enabled) = 0;
  virtual void ShowMessage(const std::string& text) = 0;
};

class HotKeySettings {
 public:
  HotKeySettings(platform::HotKeys& hotKeys, HotKeyFields& fields)
      : hotKeys_(hotKeys), fields_(fields) {}

  // Registers word under the identifier of which (1 or 2); false when the system refuses.
  bool RegHotKey(std::uint16_t word, int which);
  void UnRegHotKey(int id) { hotKeys_.Unregister(id); }
  // HotKey1Change / HotKey2Change.
  void HotKeyChange(int which);
  // CheckBox2Click, also when code changes the box.
  void UseHotkeyClick();
  // FormClose: both hotkeys withdrawn.
  void Withdraw();

  int StartHotKeyId() const { return ids_[0]; }
  int StopHotKeyId() const { return ids_[1]; }

 private:
  platform::HotKeys& hotKeys_;
  HotKeyFields& fields_;
  int ids_[2] = {0, 0};  // 0 until the first registration attempt
  bool held_[2] = {false, false};
};

}  // namespace zv
