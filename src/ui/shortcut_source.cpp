#include "ui/shortcut_source.h"

namespace zv {
namespace {

constexpr int kDeleteKey = 46;
constexpr int kLKey = 'L';

// Each either-side bit with its two side bits.
struct Sides {
  std::uint16_t either, sides;
};
constexpr Sides kSides[] = {{kModWin, kModLeftWin | kModRightWin},
                            {kModCtrl, kModLeftCtrl | kModRightCtrl},
                            {kModAlt, kModLeftAlt | kModRightAlt},
                            {kModShift, kModLeftShift | kModRightShift}};

bool Has(const ParsedShortcut& shortcut, std::uint16_t either) {
  for (const Sides& s : kSides)
    if (s.either == either) return (shortcut.modifiers & (s.either | s.sides)) != 0;
  return false;
}

// Windows acts on these before any hook sees them: a mapping would never happen.
bool KeptByWindows(const ParsedShortcut& shortcut) {
  if (shortcut.key == kDeleteKey) return Has(shortcut, kModCtrl) && Has(shortcut, kModAlt);
  return shortcut.key == kLKey && Has(shortcut, kModWin);
}

}  // namespace

BoxSource SourceOfBoxes(const std::string& key, std::uint16_t modifiers) {
  if ((modifiers & kModifierBoxes) == 0) return {key, ""};
  std::string text = ShortcutNameOf(ParsedShortcut{true, modifiers, 0, ""}) + "+" + key;
  ParsedShortcut shortcut = ParseShortcutName(text);
  if (!shortcut.ok) return {text, text + " is no shortcut: " + shortcut.reason + "."};
  std::string name = ShortcutNameOf(shortcut);
  if (KeptByWindows(shortcut))
    return {name, "Windows keeps " + name + " for itself: it cannot be remapped."};
  return {name, ""};
}

BoxesOfSource BoxesOf(const ParsedShortcut& shortcut) {
  BoxesOfSource boxes;
  boxes.key = ShortcutNameOf(ParsedShortcut{true, 0, shortcut.key, ""});
  for (const Sides& s : kSides)
    if (Has(shortcut, s.either)) boxes.modifiers |= s.either;
  return boxes;
}

}  // namespace zv
