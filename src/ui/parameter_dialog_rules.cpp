#include "ui/parameter_dialog_rules.h"

#include "catalogue/parameter_forms.h"

namespace zv {

std::string PasteTextMemoOfParameter(const std::string& initial) {
  return IsEmptyParameter(initial) ? std::string() : TextOfTypeTextForm(initial);
}

std::string PasteTextParameterOfMemo(const std::string& memoText) {
  return memoText.empty() ? std::string(" ") : TypeTextForm(memoText);
}

std::uint16_t HotkeyFieldOfParameter(const std::string& initial) {
  if (initial == "0") return 0;
  const KeyCombination combination = KeyCombinationOfForm(initial);
  int flags = 0;
  if (combination.shift) flags |= kHotKeyFieldShift;
  if (combination.ctrl) flags |= kHotKeyFieldCtrl;
  if (combination.alt) flags |= kHotKeyFieldAlt;
  return static_cast<std::uint16_t>(combination.key | (flags << 8));
}

namespace {
KeyCombination CombinationOfField(std::uint16_t fieldValue, bool win) {
  const int flags = fieldValue >> 8;
  KeyCombination combination;
  combination.key = fieldValue & 0xFF;
  combination.shift = (flags & kHotKeyFieldShift) != 0;
  combination.ctrl = (flags & kHotKeyFieldCtrl) != 0;
  combination.alt = (flags & kHotKeyFieldAlt) != 0;
  combination.win = win;
  return combination;
}
}  // namespace

std::string HotkeyParameterOfField(std::uint16_t fieldValue, bool win) {
  return KeyCombinationForm(CombinationOfField(fieldValue, win));
}

std::string HotkeyTextOfField(std::uint16_t fieldValue, bool win) {
  return KeyCombinationText(CombinationOfField(fieldValue, win));
}

std::string RunFieldOfParameter(const std::string& initial) {
  return IsEmptyParameter(initial) ? std::string() : initial;
}

std::string RunParameterOfField(const std::string& fieldText) {
  return fieldText.find_first_not_of(' ') == std::string::npos ? std::string(" ") : fieldText;
}

bool DelayFieldAccepts(char c) {
  return c == '\b' || c == '.' || (c >= '0' && c <= '9');
}

bool DelayFieldClosesOn(int virtualKey) {
  return virtualKey == 13;
}

}  // namespace zv
