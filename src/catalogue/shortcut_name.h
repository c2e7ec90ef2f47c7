#pragma once
// Shortcut names as the user writes them: one or more modifier words and a key name of the
// "Original Key" list, joined by "+" ("Ctrl+Alt+Delete", "Left Win+E", "Ctrl+Num +").
//
// Modifier words: "Win", "Ctrl", "Alt", "Shift" (either side) and "Left Ctrl", "Right Ctrl",
// "Left Alt", "Right Alt", "Left Shift", "Right Shift", "Left Win", "Right Win" (that side
// only). They are read in any order and letter case, with blanks around "+" ignored, and
// written in the order Win, Ctrl, Alt, Shift. The key is whatever follows the last modifier
// word, so "Num +" can be the key.
#include <cstdint>
#include <string>
#include <string_view>

namespace zv {

// One bit per side, and one per modifier that either side satisfies.
enum ShortcutModifier : std::uint16_t {
  kModLeftCtrl = 1 << 0,
  kModRightCtrl = 1 << 1,
  kModLeftAlt = 1 << 2,
  kModRightAlt = 1 << 3,
  kModLeftShift = 1 << 4,
  kModRightShift = 1 << 5,
  kModLeftWin = 1 << 6,
  kModRightWin = 1 << 7,
  kModCtrl = 1 << 8,
  kModAlt = 1 << 9,
  kModShift = 1 << 10,
  kModWin = 1 << 11,
};

struct ParsedShortcut {
  bool ok = false;
  std::uint16_t modifiers = 0;  // ShortcutModifier bits
  int key = -1;                 // the key's code, as the mapping store records a source key
  std::string reason;           // why the name cannot be read; empty when ok
  bool operator==(const ParsedShortcut& o) const {
    return ok == o.ok && modifiers == o.modifiers && key == o.key && reason == o.reason;
  }
};

ParsedShortcut ParseShortcutName(std::string_view text);
// The canonical name: the modifier words in the order Win, Ctrl, Alt, Shift (either side
// before left before right), then the key's list name; a key of 0 or less adds no key.
std::string ShortcutNameOf(const ParsedShortcut& shortcut);

}  // namespace zv
