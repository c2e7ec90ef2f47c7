#include "ui/win32/popup_menus.h"

#include <map>
#include <vector>

#include "catalogue/key_catalogue.h"
#include "ui/win32/main_window_res.h"

namespace zv::win32 {
namespace {

// A "&" in a caption is shown as itself: menus add no accelerator letters here.
std::string Literal(const std::string& caption) {
  std::string text;
  for (char c : caption) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

HMENU BuildTargetMenu() {
  const MenuCategory order[] = {MenuCategory::NumberLetters, MenuCategory::NumericKeys,
                                MenuCategory::EnhancedKeys, MenuCategory::MultimediaKeys,
                                MenuCategory::ExtendedKeys};
  std::map<MenuCategory, HMENU> submenus;
  for (MenuCategory category : order) submenus[category] = CreatePopupMenu();
  const std::vector<TargetMenuItem> items = TargetMenuItems();
  for (std::size_t i = 0; i < items.size(); ++i) {
    AppendMenuA(submenus[items[i].category], MF_STRING, IDM_TargetMenu + i,
                Literal(items[i].caption).c_str());
  }
  HMENU menu = CreatePopupMenu();
  HMENU general = CreatePopupMenu();
  for (MenuCategory category : order) {
    HMENU parent = IsGeneralKeysCategory(category) ? general : menu;
    if (category == MenuCategory::MultimediaKeys) {
      AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(general),
                  std::string(kGeneralKeysCaption).c_str());
    }
    AppendMenuA(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(submenus[category]),
                std::string(MenuCategoryCaption(category)).c_str());
  }
  return menu;
}

}  // namespace

PopupMenus::PopupMenus() : listMenu_(CreatePopupMenu()), targetMenu_(BuildTargetMenu()) {
  AppendMenuA(listMenu_, MF_STRING, IDM_N7, "Modify");
  AppendMenuA(listMenu_, MF_STRING, IDM_N4, "Reset");
}

PopupMenus::~PopupMenus() {
  DestroyMenu(listMenu_);
  DestroyMenu(targetMenu_);
}

std::string PopupMenus::TargetCaption(int command) {
  static const std::vector<TargetMenuItem> items = TargetMenuItems();
  const int index = command - IDM_TargetMenu;
  if (index < 0 || index >= static_cast<int>(items.size())) return "";
  return items[static_cast<std::size_t>(index)].caption;
}

void PopupMenus::TrackAtCursor(HMENU menu, HWND owner) {
  POINT at = {};
  GetCursorPos(&at);
  SetForegroundWindow(GetAncestor(owner, GA_ROOT));  // or the menu stays open when left
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner,
                 nullptr);
}

}  // namespace zv::win32
