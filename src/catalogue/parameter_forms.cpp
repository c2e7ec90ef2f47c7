#include "catalogue/parameter_forms.h"

#include <algorithm>

#include "catalogue/blanks.h"
#include "catalogue/shortcut_name.h"
#include "common/error.h"

namespace zv {

bool IsEmptyParameter(std::string_view form) {
  return form == " " || form == "0";
}

std::string TypeTextForm(std::string_view text) {
  std::string form;
  form.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      form += '#';
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      form += c;
    }
  }
  return form;
}

std::string TextOfTypeTextForm(std::string_view form) {
  std::string text;
  text.reserve(form.size());
  for (const char c : form) {
    if (c == '#') {
      text += "\r\n";
    } else {
      text += c;
    }
  }
  return text;
}

std::uint32_t ShortcutWordOfText(std::string_view text) {
  // Only the low 17 bits of the number are the word, whatever its size or sign.
  return static_cast<std::uint32_t>(StrToIntStrict(std::string(text))) & 0x1FFFFu;
}

std::string KeyCombinationForm(const KeyCombination& combination) {
  unsigned word = static_cast<unsigned>(combination.key) & 0xFFu;
  if (combination.shift) word |= kShortcutShift;
  if (combination.ctrl) word |= kShortcutCtrl;
  if (combination.alt) word |= kShortcutAlt;
  if (combination.win) word |= kShortcutWin;
  return std::to_string(word);
}

KeyCombination KeyCombinationOfForm(std::string_view form) {
  const std::uint32_t word = ShortcutWordOfText(form);
  KeyCombination combination;
  combination.key = word & 0xFF;
  combination.shift = (word & kShortcutShift) != 0;
  combination.ctrl = (word & kShortcutCtrl) != 0;
  combination.alt = (word & kShortcutAlt) != 0;
  combination.win = (word & kShortcutWin) != 0;
  return combination;
}

std::string KeyCombinationText(const KeyCombination& combination) {
  if (combination == KeyCombination{}) return "";
  ParsedShortcut shortcut;
  shortcut.ok = true;
  shortcut.key = combination.key;
  if (combination.win) shortcut.modifiers |= kModWin;
  if (combination.ctrl) shortcut.modifiers |= kModCtrl;
  if (combination.alt) shortcut.modifiers |= kModAlt;
  if (combination.shift) shortcut.modifiers |= kModShift;
  return ShortcutNameOf(shortcut);
}

RunCommand RunCommandOfForm(std::string_view form) {
  form = detail::TrimBlanks(form);
  std::size_t skip = 0;  // the opening quote of a quoted path
  std::size_t end = form.find(' ');
  if (!form.empty() && form.front() == '"') {
    skip = 1;
    end = form.find('"', 1);
  }
  end = std::min(end, form.size());
  std::string_view rest = form.substr(std::min(end + skip, form.size()));
  return {std::string(form.substr(skip, end - skip)), std::string(detail::TrimBlanks(rest))};
}

std::string RunFormOfPath(std::string_view path) {
  return "\"" + std::string(path) + "\"";
}

std::string KeyDownItem(std::string_view keyName) {
  return std::string(kKeyDownPrefix) + std::string(keyName);
}

std::string KeyUpItem(std::string_view keyName) {
  return std::string(kKeyUpPrefix) + std::string(keyName);
}

std::string DelayItem(std::string_view interval) {
  return std::string(kDelayPrefix) + std::string(interval);
}

std::vector<std::string> SplitSequence(std::string_view text) {
  if (text != "None" && !text.empty() && text.back() == ',') text.remove_suffix(1);
  std::vector<std::string> items;
  for (auto comma = text.find(','); comma != std::string_view::npos; comma = text.find(',')) {
    items.emplace_back(text.substr(0, comma));
    text.remove_prefix(comma + 1);
  }
  items.emplace_back(text);
  return items;
}

std::string JoinSequence(const std::vector<std::string>& items) {
  std::string text;
  for (const auto& item : items) {
    text += item;
    text += ',';
  }
  return text;
}

namespace {
// The text from the 1-based character `from` to the end; empty when the item is shorter.
std::string From(std::string_view item, std::size_t from) {
  return from - 1 < item.size() ? std::string(item.substr(from - 1)) : std::string();
}
}  // namespace

SequenceItem ReadSequenceItem(std::string_view item) {
  if (item.substr(0, 7) == "KeyDown") return {SequenceStep::kKeyDown, From(item, 9)};
  if (item.substr(0, 5) == "Delay") return {SequenceStep::kDelay, From(item, 7)};
  return {SequenceStep::kKeyUp, From(item, 7)};
}

}  // namespace zv
