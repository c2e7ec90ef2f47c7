#pragma once
// PopupMenu1, the tray icon's menu: "Settings File" (load, save as, a separator, the recent
// files), the keyboard lock, a separator, "Show", the toggle and "Exit". Its "Settings File"
// submenu is the recent list's menu. The menu is painted flat; its items keep their captions.
#include <windows.h>

#include <string>

#include "settings/recent_files.h"

namespace zv {

// Command identifiers of the tray menu's items (WM_COMMAND to the main window).
enum TrayCommand : UINT {
  kCmdLoadSettingsFile = 0x101,  // N6
  kCmdSaveSettingsFileAs,        // N5
  kCmdControlKeyboard,           // actControlKeyboard1
  kCmdShow,                      // N1
  kCmdToggle,                    // N3
  kCmdExit,                      // N2
  kCmdFirstRecent = 0x200,       // recent entries, each with an identifier of its own
  kCmdLastRecent = 0x2FF,
};

class TrayMenu : public RecentMenu {
 public:
  TrayMenu();
  ~TrayMenu() override;
  TrayMenu(const TrayMenu&) = delete;
  TrayMenu& operator=(const TrayMenu&) = delete;

  HMENU menu() const { return menu_; }
  void SetToggleCaption(const std::string& caption);
  void SetLockCaption(const std::string& caption);
  // Opens the menu at the cursor for owner (a hidden window may own it): the owner is brought
  // to the foreground first, so the menu closes when the user clicks elsewhere, and a WM_NULL
  // follows, so a second right click opens it again at once.
  void Track(HWND owner);
  // The caption of a recent entry's identifier; empty when it is none.
  std::string RecentCaption(UINT id);

  // RecentMenu over the "Settings File" submenu.
  int Count() override;
  std::string Caption(int position) override;
  void Remove(int position) override;
  void InsertEntry(int position, const std::string& caption) override;
  void Move(int from, int to) override;

 private:
  void SetCaption(UINT id, const std::string& caption);

  HMENU menu_ = nullptr;
  HMENU settingsFile_ = nullptr;  // N8
  UINT nextRecent_ = kCmdFirstRecent;
};

}  // namespace zv
