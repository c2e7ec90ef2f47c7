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

std::string HotkeyParameterOfField(std::uint16_t fieldValue) {
  const int flags = fieldValue >> 8;
  KeyCombination combination;
  combination.key = fieldValue & 0xFF;
  combination.shift = (flags & kHotKeyFieldShift) != 0;
  combination.ctrl = (flags & kHotKeyFieldCtrl) != 0;
  combination.alt = (flags & kHotKeyFieldAlt) != 0;
  return KeyCombinationForm(combination);
}

bool DelayFieldAccepts(char c) {
  return c == '\b' || c == '.' || (c >= '0' && c <= '9');
}

bool DelayFieldClosesOn(int virtualKey) {
  return virtualKey == 13;
}

}  // namespace zv
