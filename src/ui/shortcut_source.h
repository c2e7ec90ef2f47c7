#pragma once
// The source the editor's boxes name: the key in cbbOldKey alone, or, with modifier boxes
// ticked, the shortcut of those modifiers and that key ("Ctrl+Shift+V"). Shortcuts that
// Windows keeps for itself are refused with the reason, as are names that do not make one.
#include <cstdint>
#include <string>

#include "catalogue/shortcut_name.h"

namespace zv {

// The four boxes beside cbbOldKey, each for either side of its modifier.
inline constexpr std::uint16_t kModifierBoxes = kModWin | kModCtrl | kModAlt | kModShift;

struct BoxSource {
  std::string name;     // the key's name, or the shortcut's canonical name
  std::string refusal;  // why it cannot be a source; empty when it can
};

// key: the box's text; modifiers: kModifierBoxes bits.
BoxSource SourceOfBoxes(const std::string& key, std::uint16_t modifiers);

// For a shortcut row: the key's name and its modifiers as the boxes show them (a side-bound
// "Left Ctrl" ticks "Ctrl").
struct BoxesOfSource {
  std::string key;
  std::uint16_t modifiers = 0;
};
BoxesOfSource BoxesOf(const ParsedShortcut& shortcut);

}  // namespace zv
