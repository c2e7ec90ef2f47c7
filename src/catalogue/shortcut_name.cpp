#include "catalogue/shortcut_name.h"

#include <algorithm>
#include <cctype>

#include "catalogue/blanks.h"
#include "catalogue/key_catalogue.h"
#include "catalogue/key_lists.h"
#include "catalogue/source_key_names.h"

namespace zv {
namespace {

struct ModifierWord {
  std::string_view word;
  std::uint16_t bit;
};

// In the order names are written.
constexpr ModifierWord kModifierWords[] = {
    {"Win", kModWin},     {"Left Win", kModLeftWin},     {"Right Win", kModRightWin},
    {"Ctrl", kModCtrl},   {"Left Ctrl", kModLeftCtrl},   {"Right Ctrl", kModRightCtrl},
    {"Alt", kModAlt},     {"Left Alt", kModLeftAlt},     {"Right Alt", kModRightAlt},
    {"Shift", kModShift}, {"Left Shift", kModLeftShift}, {"Right Shift", kModRightShift},
};

const ModifierWord* ModifierNamed(std::string_view word) {
  for (const ModifierWord& m : kModifierWords)
    if (detail::SameLetters(m.word, word)) return &m;
  return nullptr;
}

// The "Original Key" list's own spelling of a key name, or nullptr.
const std::string* ListedKey(std::string_view name) {
  for (const std::string& listed : OriginalKeyList())
    if (detail::SameLetters(listed, name)) return &listed;
  return nullptr;
}

ParsedShortcut Refused(std::string reason) {
  ParsedShortcut refused;
  refused.reason = std::move(reason);
  return refused;
}

std::string KeyNameFor(int code) {
  for (const std::string& listed : OriginalKeyList())
    if (SourceKeyCodeOfName(listed) == code) return listed;
  std::string_view table = KeyNameOfCode(code);
  return table != " " ? std::string(table) : "#" + std::to_string(code);
}

}  // namespace

ParsedShortcut ParseShortcutName(std::string_view text) {
  ParsedShortcut parsed;
  std::string_view rest = detail::TrimBlanks(text);
  // Modifier words come off the front while a "+" follows them; what is left is the key.
  for (std::size_t plus = rest.find('+'); plus != std::string_view::npos; plus = rest.find('+')) {
    std::string_view word = detail::TrimBlanks(rest.substr(0, plus));
    const ModifierWord* modifier = ModifierNamed(word);
    if (!modifier) {
      if (ListedKey(rest)) break;  // "Num +": the key itself holds the "+"
      if (ListedKey(word)) return Refused("'" + std::string(word) + "' is a key, not a modifier");
      if (word.empty()) return Refused("a '+' without a word before it");
      return Refused("'" + std::string(word) + "' is not a modifier");
    }
    parsed.modifiers |= modifier->bit;
    rest = detail::TrimBlanks(rest.substr(plus + 1));
  }
  if (parsed.modifiers == 0) return Refused("no modifier before the key");
  if (rest.empty()) return Refused("no key after the modifiers");
  if (ModifierNamed(rest)) return Refused("'" + std::string(rest) + "' is a modifier, not a key");
  const std::string* key = ListedKey(rest);
  if (!key) return Refused("'" + std::string(rest) + "' is not a key name");
  parsed.ok = true;
  parsed.key = SourceKeyCodeOfName(*key);
  return parsed;
}

std::string ShortcutNameOf(const ParsedShortcut& shortcut) {
  std::string name;
  for (const ModifierWord& m : kModifierWords) {
    if (!(shortcut.modifiers & m.bit)) continue;
    if (!name.empty()) name += '+';
    name += m.word;
  }
  if (shortcut.key <= 0) return name;
  if (!name.empty()) name += '+';
  return name + KeyNameFor(shortcut.key);
}

}  // namespace zv
