#pragma once
// The rules of the small dialogs (type text, key combination, run, delay), apart from the
// windows that show them.
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/ini_document.h"

namespace zv {

// The longest parameter the settings file gives back whole; a dialog takes no more and says so
// with this text when its field reaches the limit.
inline constexpr std::size_t kMaxParameterLength = IniDocument::kMaxValueLength;
inline constexpr const char* kParameterLimitMessage =
    "A parameter can be at most 2047 characters long.";
// Whether the parameter text (in its stored form, in bytes) is within the limit.
inline bool ParameterFits(const std::string& parameter) {
  return parameter.size() <= kMaxParameterLength;
}

// Type-text dialog: what the memo shows for a stored parameter ("" for " " and "0"), and the
// parameter that the memo's text gives (" " for an empty memo).
std::string PasteTextMemoOfParameter(const std::string& initial);
std::string PasteTextParameterOfMemo(const std::string& memoText);

// Key-combination dialog. The hot-key field's value has the key in its low byte and these flags
// in its high byte (the values of HOTKEYF_SHIFT, HOTKEYF_CONTROL, HOTKEYF_ALT).
inline constexpr int kHotKeyFieldShift = 0x01;
inline constexpr int kHotKeyFieldCtrl = 0x02;
inline constexpr int kHotKeyFieldAlt = 0x04;
// The field's value for a stored parameter; "0" is the empty field, anything else is converted
// strictly ("'%s' is not a valid integer value").
std::uint16_t HotkeyFieldOfParameter(const std::string& initial);
// The parameter for the field's value and the "Win" box (the field cannot take the Win key):
// never " ", "0" for the empty field; the extended-key flag is dropped.
std::string HotkeyParameterOfField(std::uint16_t fieldValue, bool win = false);
// How the dialog spells the combination out below the field ("Win+Ctrl+E").
std::string HotkeyTextOfField(std::uint16_t fieldValue, bool win);

// Run dialog: the field's text for a stored parameter ("" for " " and "0"), and the parameter
// the field gives (" " when it holds nothing but blanks).
std::string RunFieldOfParameter(const std::string& initial);
std::string RunParameterOfField(const std::string& fieldText);

// Delay dialog: the characters the interval field lets through (BackSpace, "." and digits) and
// the key that closes the dialog as OK (Enter).
bool DelayFieldAccepts(char c);
bool DelayFieldClosesOn(int virtualKey);

}  // namespace zv
