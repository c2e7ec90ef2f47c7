#include "app/settings_page_controls.h"

#include <commctrl.h>

namespace zv {

namespace {

// The hotkey control's value: the key in the low byte, HOTKEYF_ flags in the high byte; the
// program's shortcut word: the key in the low 13 bits, $2000 Shift, $4000 Ctrl, $8000 Alt.
std::uint16_t WordOfControl(LRESULT value) {
  unsigned key = value & 0xFF, flags = (value >> 8) & 0xFF;
  return static_cast<std::uint16_t>(key | ((flags & HOTKEYF_SHIFT) ? 0x2000 : 0) |
                                    ((flags & HOTKEYF_CONTROL) ? 0x4000 : 0) |
                                    ((flags & HOTKEYF_ALT) ? 0x8000 : 0));
}

WPARAM ControlOfWord(std::uint16_t word) {
  unsigned flags = ((word & 0x2000) ? HOTKEYF_SHIFT : 0) | ((word & 0x4000) ? HOTKEYF_CONTROL : 0) |
                   ((word & 0x8000) ? HOTKEYF_ALT : 0);
  return MAKEWORD(word & 0xFF, flags);
}

bool Checked(HWND box) {
  return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Check(HWND box, bool checked) {
  SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

std::uint16_t SettingsPageControls::HotKeyWord(int which) {
  return WordOfControl(SendMessageA(Field(which), HKM_GETHOTKEY, 0, 0));
}

void SettingsPageControls::SetHotKeyWord(int which, std::uint16_t word) {
  SendMessageA(Field(which), HKM_SETHOTKEY, ControlOfWord(word), 0);
}

bool SettingsPageControls::UseHotkey() {
  return Checked(c_->CheckBox2);
}

void SettingsPageControls::EnableHotKeyControls(bool enabled) {
  for (HWND control : {c_->Label1, c_->HotKey1, c_->Label2, c_->HotKey2}) {
    EnableWindow(control, enabled);
  }
}

bool SettingsPageControls::AutoRun() {
  return Checked(c_->CheckBox1);
}

void SettingsPageControls::SetAutoRun(bool checked) {
  Check(c_->CheckBox1, checked);
}

void SettingsPageControls::SetUseHotkey(bool checked) {
  Check(c_->CheckBox2, checked);
}

}  // namespace zv
