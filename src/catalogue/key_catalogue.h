#pragma once
// The fixed vocabulary of the program: key names and their codes, scan code texts, the split of
// stored values such as TypeText3, and the sorting of targets into the target menu.
//
// Codes: -1 no such name; 0 "DisableKey"; 1-255 virtual-key codes; 501-515 actions without a
// parameter; 601-605 "TypeText", "KeyCombination", "KeySequence", "Run", "TapHold".
//
// Every lookup gives the result of its table's last matching row and never throws; the only
// failure is the strict number conversion of a hand-edited stored value.
//
// Where the parts live: the tables in key_table.cpp and scancode_table.cpp, their lookups in
// key_lookup.cpp and scancode_lookup.cpp, stored values such as TypeText3 in number_suffix.cpp,
// the sided modifiers in sided_modifier.cpp, the target menu in target_menu.cpp.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/key_state.h"

namespace zv {

struct KeyRow {
  const char* name;
  int code;
};

struct ScancodeRow {
  const char* name;
  const char* text;  // four upper-case hexadecimal digits, first byte first
};

// The raw tables, in their fixed row order (duplicates included).
const KeyRow* KeyTable();
std::size_t KeyTableSize();
const ScancodeRow* ScancodeTable();
std::size_t ScancodeTableSize();

// Code of the last key row named exactly name (case-sensitive); -1 if none.
int KeyCodeOfName(std::string_view name);
// Name of the last key row with this code; " " (one blank) if none. Views static storage.
std::string_view KeyNameOfCode(int code);

// The number written from the first decimal digit of text to its end; 0 without a digit.
// Throws zv::Error "'%s' is not a valid integer value" (with that digit-led remainder) when
// anything but digits follows the first digit, or the number does not fit an int.
int NumberSuffixOf(std::string_view text);
// text without the first occurrence of the decimal form of NumberSuffixOf(text).
std::string StripNumberSuffix(std::string_view text);
// KeyCodeOfName(name), or failing that KeyCodeOfName(StripNumberSuffix(name)). Allocates nothing
// unless it throws (as NumberSuffixOf does).
int ResolveKeyCode(std::string_view name);
// True when the stripped value names "TypeText", "KeyCombination", "KeySequence", "Run" or
// "TapHold" (code > 600).
bool IsParameterizedAction(std::string_view value);

// Scan code text of the last scancode row named name; "-1" if none.
std::string_view ScancodeOfName(std::string_view name);
// Sets name to the last scancode row whose text equals text exactly; leaves it alone if none.
void NameOfScancode(std::string_view text, std::string& name);

// The key-capture handlers get the generic 16, 17, 18 for Shift, Ctrl and Alt: this gives the
// left code (160, 162, 164) while the left key is down and the right one otherwise. Other
// codes are returned unchanged.
int SidedModifierCode(int code, platform::KeyState& keys);

// The five submenus of the target menu. The first three sit in the submenu "General Keys".
enum class MenuCategory { NumberLetters, NumericKeys, EnhancedKeys, MultimediaKeys, ExtendedKeys };

inline constexpr std::string_view kGeneralKeysCaption = "General Keys";
// The "Changed to" name that keeps a key as it is in one program, whatever all programs map it to.
inline constexpr const char* kUnchangedTarget = "Unchanged";

MenuCategory MenuCategoryOf(int code);
// "Number Letters", "Numeric Keys", "Enhanced Keys", "Multimedia Keys", "Extended Keys".
std::string_view MenuCategoryCaption(MenuCategory category);
// True for the categories held by the "General Keys" submenu.
bool IsGeneralKeysCategory(MenuCategory category);

struct TargetMenuItem {
  MenuCategory category;
  std::string caption;
};

// One item per key row (in row order) whose name the "Changed to" list offers.
std::vector<TargetMenuItem> TargetMenuItems();

}  // namespace zv
