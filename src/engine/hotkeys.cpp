#include "engine/hotkeys.h"

namespace zv {

ShortcutParts SplitShortcut(std::uint16_t word) {
  ShortcutParts parts;
  parts.key = word & 0x1FFF;
  if (word & 0x2000) parts.modifiers |= platform::kModShift;
  if (word & 0x4000) parts.modifiers |= platform::kModControl;
  if (word & 0x8000) parts.modifiers |= platform::kModAlt;
  return parts;
}

bool IsExcludedHotKey(std::uint16_t word) {
  return word == 0 || word == 0x80FF || word == 0x8000 || word == 0x4000;
}

bool HotKeySettings::RegHotKey(std::uint16_t word, int which) {
  ShortcutParts parts = SplitShortcut(word);
  const char* atom = which == 1 ? "StartHotKey" : "StopHotKey";
  int& id = ids_[which == 1 ? 0 : 1];
  id = static_cast<int>(hotKeys_.AddAtom(atom)) - 0xC000;
  held_[which == 1 ? 0 : 1] = hotKeys_.Register(id, parts.modifiers, parts.key);
  return held_[which == 1 ? 0 : 1];
}

void HotKeySettings::HotKeyChange(int which) {
  if (!fields_.UseHotkey()) return;
  int slot = which == 1 ? 0 : 1;
  if (held_[slot]) {
    hotKeys_.Unregister(ids_[slot]);
    held_[slot] = false;
  }
  std::uint16_t word = fields_.HotKeyWord(which);
  if (IsExcludedHotKey(word)) return;
  if (!RegHotKey(word, which)) {
    fields_.ShowMessage(kRegisterHotKeyFail);
    fields_.SetHotKeyWord(which, 0);
  }
}

void HotKeySettings::UseHotkeyClick() {
  bool checked = fields_.UseHotkey();
  fields_.EnableHotKeyControls(checked);
  if (checked) {
    HotKeyChange(1);
    HotKeyChange(2);
  } else {
    Withdraw();
  }
}

void HotKeySettings::Withdraw() {
  hotKeys_.Unregister(ids_[0]);
  hotKeys_.Unregister(ids_[1]);
  held_[0] = held_[1] = false;
}

}  // namespace zv
