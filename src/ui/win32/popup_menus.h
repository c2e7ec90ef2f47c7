#pragma once
// The main window's two popup menus: PopupMenu2 of the mapping lists ("Modify", "Reset") and
// the target menu PopupMenu3, built from the catalogue's description. Their choices arrive as
// WM_COMMAND at the window given to TrackAtCursor.
#include <windows.h>

#include <string>

namespace zv::win32 {

class PopupMenus {
 public:
  PopupMenus();
  ~PopupMenus();
  PopupMenus(const PopupMenus&) = delete;
  PopupMenus& operator=(const PopupMenus&) = delete;

  HMENU PopupMenu2() const { return listMenu_; }
  HMENU PopupMenu3() const { return targetMenu_; }

  // The caption of a target menu command (IDM_TargetMenu + i); empty for other commands.
  static std::string TargetCaption(int command);

  // Opens a menu with its top-left corner at the mouse position.
  static void TrackAtCursor(HMENU menu, HWND owner);

 private:
  HMENU listMenu_;
  HMENU targetMenu_;
};

}  // namespace zv::win32
