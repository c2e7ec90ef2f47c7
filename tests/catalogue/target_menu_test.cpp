// Sorting targets into the target menu's submenus, and the items the menu is built from.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "catalogue/key_catalogue.h"
#include "catalogue/key_lists.h"

namespace zv {
namespace {

using Names = std::vector<std::string>;

Names Numbered(const std::string& prefix, int first, int last) {
  Names names;
  for (int n = first; n <= last; ++n) names.push_back(prefix + std::to_string(n));
  return names;
}

Names Captions(MenuCategory category) {
  Names names;
  for (const TargetMenuItem& item : TargetMenuItems())
    if (item.category == category) names.push_back(item.caption);
  return names;
}

TEST(MenuCategoryOf, SortsByCodeRangesInOrder) {
  using C = MenuCategory;
  const std::map<int, C> expected = {
      {0, C::EnhancedKeys},     {47, C::EnhancedKeys},    {48, C::NumberLetters},
      {90, C::NumberLetters},   {91, C::EnhancedKeys},    {95, C::EnhancedKeys},
      {96, C::NumericKeys},     {110, C::NumericKeys},    {111, C::NumericKeys},
      {112, C::EnhancedKeys},   {165, C::EnhancedKeys},   {166, C::MultimediaKeys},
      {172, C::MultimediaKeys}, {183, C::MultimediaKeys}, {184, C::EnhancedKeys},
      {255, C::EnhancedKeys},   {499, C::EnhancedKeys},   {500, C::MultimediaKeys},
      {501, C::MultimediaKeys}, {599, C::MultimediaKeys}, {600, C::ExtendedKeys},
      {603, C::ExtendedKeys},   {-1, C::EnhancedKeys},
  };
  for (const auto& [code, category] : expected)
    EXPECT_EQ(MenuCategoryCaption(MenuCategoryOf(code)), MenuCategoryCaption(category)) << code;
}

TEST(MenuCategory, CaptionsAndTheGeneralKeysSubmenu) {
  EXPECT_EQ(MenuCategoryCaption(MenuCategory::NumberLetters), "Number Letters");
  EXPECT_EQ(MenuCategoryCaption(MenuCategory::NumericKeys), "Numeric Keys");
  EXPECT_EQ(MenuCategoryCaption(MenuCategory::EnhancedKeys), "Enhanced Keys");
  EXPECT_EQ(MenuCategoryCaption(MenuCategory::MultimediaKeys), "Multimedia Keys");
  EXPECT_EQ(MenuCategoryCaption(MenuCategory::ExtendedKeys), "Extended Keys");
  EXPECT_EQ(kGeneralKeysCaption, "General Keys");
  EXPECT_TRUE(IsGeneralKeysCategory(MenuCategory::NumberLetters));
  EXPECT_TRUE(IsGeneralKeysCategory(MenuCategory::NumericKeys));
  EXPECT_TRUE(IsGeneralKeysCategory(MenuCategory::EnhancedKeys));
  EXPECT_FALSE(IsGeneralKeysCategory(MenuCategory::MultimediaKeys));
  EXPECT_FALSE(IsGeneralKeysCategory(MenuCategory::ExtendedKeys));
}

TEST(TargetMenuItems, OfferEveryChangedToNameWithARowOnce) {
  std::vector<TargetMenuItem> items = TargetMenuItems();
  ASSERT_EQ(items.size(), 133u);
  Names captions;
  for (const TargetMenuItem& item : items) captions.push_back(item.caption);
  for (const std::string& name : ChangedToList())
    EXPECT_EQ(std::count(captions.begin(), captions.end(), name), name == "NumLock" ? 0 : 1)
        << name;
  // Items keep the key table's order.
  std::size_t row = 0;
  for (const std::string& caption : captions) {
    while (row < KeyTableSize() && KeyTable()[row].name != caption) ++row;
    EXPECT_LT(row, KeyTableSize()) << caption << " is out of table order";
  }
}

TEST(TargetMenuItems, NumberLettersAndNumericKeys) {
  Names letters = Numbered("", 0, 9);
  for (char c = 'A'; c <= 'Z'; ++c) letters.push_back(std::string(1, c));
  EXPECT_EQ(Captions(MenuCategory::NumberLetters), letters);

  Names numeric = Numbered("Num ", 0, 9);
  numeric.insert(numeric.end(), {"Num *", "Num +", "Num -", "Num /"});
  EXPECT_EQ(Captions(MenuCategory::NumericKeys), numeric);
}

TEST(TargetMenuItems, EnhancedKeys) {
  Names enhanced = {"BackSpace",  "Tab",        "Enter",       "Left Shift", "Right Shift",
                    "Left Ctrl",  "Right Ctrl", "Left Alt",    "Right Alt",  "Caps Lock",
                    "Esc",        "Page Up",    "Page Down",   "End",        "Home",
                    "Left Arrow", "Up Arrow",   "Right Arrow", "Down Arrow", "Insert",
                    "Delete",     "Left Win",   "Right Win",   "Menu"};
  Names functionKeys = Numbered("F", 1, 12);
  enhanced.insert(enhanced.end(), functionKeys.begin(), functionKeys.end());
  enhanced.insert(enhanced.end(), {"Scroll Lock", ";", "=", ",", "_", ".", "/", "`", "{", "\\", "}",
                                   "\"", "SpaceBar", "DisableKey"});
  ASSERT_EQ(enhanced.size(), 50u);
  EXPECT_EQ(Captions(MenuCategory::EnhancedKeys), enhanced);
}

TEST(TargetMenuItems, MultimediaAndExtendedKeys) {
  Names multimedia = {"Mute",
                      "Play/Pause",
                      "Stop",
                      "Last Track",
                      "Next Track",
                      "Open Media",
                      "Calculator",
                      "Email",
                      "My Computer",
                      "Back",
                      "Forward",
                      "WWW Stop",
                      "WWW Refresh",
                      "WWW Favorites",
                      "CleanText",
                      "Volume Up",
                      "Volume Down",
                      "Shutdown",
                      "Restart",
                      "Logout",
                      "Hibernate",
                      "Suspend",
                      "Click Left Mouse Button",
                      "Click Right Mouse Button",
                      "Turn Off Monitor",
                      "Activate Screensaver",
                      "Eject/Close Cdrom Driver",
                      "Internet Explorer"};
  ASSERT_EQ(multimedia.size(), 28u);
  EXPECT_EQ(Captions(MenuCategory::MultimediaKeys), multimedia);
  EXPECT_EQ(Captions(MenuCategory::ExtendedKeys),
            (Names{"TypeText", "KeyCombination", "KeySequence", "Run", "TapHold"}));
}

}  // namespace
}  // namespace zv
