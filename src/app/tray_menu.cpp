#include "app/tray_menu.h"

#include "engine/engine_switch.h"
#include "ui/win32/flat_menu.h"

namespace zv {

namespace {

// A caption as a menu string: a "&" of a file name is a character, not a mnemonic marker.
std::string MenuText(const std::string& caption) {
  std::string text;
  for (char c : caption) {
    text += c;
    if (c == '&') text += '&';
  }
  return text;
}

std::string Unescaped(const std::string& text) {
  std::string caption;
  for (std::size_t i = 0; i < text.size(); ++i) {
    caption += text[i];
    if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&') ++i;
  }
  return caption;
}

std::string ItemText(HMENU menu, UINT item, BOOL byPosition) {
  char text[512] = {};
  MENUITEMINFOA mii = {};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_STRING;
  mii.dwTypeData = text;
  mii.cch = sizeof text;
  GetMenuItemInfoA(menu, item, byPosition, &mii);
  return text;
}

UINT ItemId(HMENU menu, int position) {
  MENUITEMINFOA mii = {};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_ID;
  GetMenuItemInfoA(menu, position, TRUE, &mii);
  return mii.wID;
}

}  // namespace

TrayMenu::TrayMenu() {
  settingsFile_ = CreatePopupMenu();
  AppendMenuA(settingsFile_, MF_STRING, kCmdLoadSettingsFile, "Load Settings File");
  AppendMenuA(settingsFile_, MF_STRING, kCmdSaveSettingsFileAs, "Save Settings File As");
  AppendMenuA(settingsFile_, MF_SEPARATOR, 0, nullptr);
  menu_ = CreatePopupMenu();
  AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(settingsFile_), "Settings File");
  AppendMenuA(menu_, MF_STRING, kCmdControlKeyboard, kCaptionLock);
  AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu_, MF_STRING, kCmdShow, "Show");
  AppendMenuA(menu_, MF_STRING, kCmdToggle, "Activate");  // "&Activate" after the first toggle
  AppendMenuA(menu_, MF_STRING, kCmdExit, "Exit");
  ui::MakeMenuFlat(menu_);
}

TrayMenu::~TrayMenu() {
  DestroyMenu(menu_);  // with its submenu
}

void TrayMenu::SetCaption(UINT id, const std::string& caption) {
  MENUITEMINFOA mii = {};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_STRING;
  mii.dwTypeData = const_cast<char*>(caption.c_str());
  SetMenuItemInfoA(menu_, id, FALSE, &mii);
}

void TrayMenu::SetToggleCaption(const std::string& caption) {
  SetCaption(kCmdToggle, caption);
}

void TrayMenu::SetLockCaption(const std::string& caption) {
  SetCaption(kCmdControlKeyboard, caption);
}

void TrayMenu::Track(HWND owner) {
  POINT at;
  GetCursorPos(&at);
  SetForegroundWindow(owner);
  ui::MakeMenuFlat(menu_);
  TrackPopupMenu(menu_, TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
  PostMessageA(owner, WM_NULL, 0, 0);
}

std::string TrayMenu::RecentCaption(UINT id) {
  if (id < kCmdFirstRecent || id > kCmdLastRecent) return "";
  return Unescaped(ItemText(settingsFile_, id, FALSE));
}

int TrayMenu::Count() {
  return GetMenuItemCount(settingsFile_);
}

std::string TrayMenu::Caption(int position) {
  return Unescaped(ItemText(settingsFile_, position, TRUE));
}

void TrayMenu::Remove(int position) {
  DeleteMenu(settingsFile_, position, MF_BYPOSITION);
}

void TrayMenu::InsertEntry(int position, const std::string& caption) {
  UINT id = nextRecent_;
  nextRecent_ = nextRecent_ == kCmdLastRecent ? kCmdFirstRecent : nextRecent_ + 1;
  std::string text = MenuText(caption);
  InsertMenuA(settingsFile_, position, MF_BYPOSITION | MF_STRING, id, text.c_str());
}

void TrayMenu::Move(int from, int to) {
  UINT id = ItemId(settingsFile_, from);
  std::string text = ItemText(settingsFile_, from, TRUE);
  DeleteMenu(settingsFile_, from, MF_BYPOSITION);
  InsertMenuA(settingsFile_, to, MF_BYPOSITION | MF_STRING, id, text.c_str());
}

}  // namespace zv
