// The target menu's submenus and items, described without any window so the main window only
// has to turn the description into menus.
#include <algorithm>

#include "catalogue/key_catalogue.h"
#include "catalogue/key_lists.h"

namespace zv {

MenuCategory MenuCategoryOf(int code) {
  if (code >= 600) return MenuCategory::ExtendedKeys;
  if (code >= 500) return MenuCategory::MultimediaKeys;
  if (code >= 48 && code <= 90) return MenuCategory::NumberLetters;
  if (code >= 96 && code <= 111) return MenuCategory::NumericKeys;
  if (code >= 166 && code <= 183) return MenuCategory::MultimediaKeys;
  return MenuCategory::EnhancedKeys;
}

std::string_view MenuCategoryCaption(MenuCategory category) {
  switch (category) {
    case MenuCategory::NumberLetters:
      return "Number Letters";
    case MenuCategory::NumericKeys:
      return "Numeric Keys";
    case MenuCategory::EnhancedKeys:
      return "Enhanced Keys";
    case MenuCategory::MultimediaKeys:
      return "Multimedia Keys";
    case MenuCategory::ExtendedKeys:
      return "Extended Keys";
  }
  return "";
}

bool IsGeneralKeysCategory(MenuCategory category) {
  return category == MenuCategory::NumberLetters || category == MenuCategory::NumericKeys ||
         category == MenuCategory::EnhancedKeys;
}

std::vector<TargetMenuItem> TargetMenuItems() {
  const std::vector<std::string>& offered = ChangedToList();
  std::vector<TargetMenuItem> items;
  for (std::size_t row = 0; row < KeyTableSize(); ++row) {
    const KeyRow& key = KeyTable()[row];
    if (std::find(offered.begin(), offered.end(), key.name) != offered.end())
      items.push_back({MenuCategoryOf(key.code), key.name});
  }
  return items;
}

}  // namespace zv
