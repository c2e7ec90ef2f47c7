// The key table: every name the program knows and its code. The row order is part of the
// meaning: lookups take the last matching row, and the target menu lists rows in this order.
#include <iterator>

#include "catalogue/key_catalogue.h"
#include "catalogue/table_sizes.h"

namespace zv {
namespace {

const KeyRow kKeyTable[] = {
    {"BackSpace", 8},
    {"Tab", 9},
    {"Num Lock", 12},  // the pad's centre key while Num Lock is off; row 88 wins by name
    {"Enter", 13},
    {"Left Shift", 160},
    {"Right Shift", 161},
    {"Left Ctrl", 162},
    {"Right Ctrl", 163},
    {"Left Alt", 164},
    {"Right Alt", 165},
    {"Pause Break", 19},  // 10
    {"Caps Lock", 20},
    {"Esc", 27},
    {"Page Up", 33},
    {"Page Down", 34},
    {"End", 35},
    {"Home", 36},
    {"Left Arrow", 37},
    {"Up Arrow", 38},
    {"Right Arrow", 39},
    {"Down Arrow", 40},  // 20
    {"Insert", 45},
    {"Delete", 46},
    {"0", 48},
    {"1", 49},
    {"2", 50},
    {"3", 51},
    {"4", 52},
    {"5", 53},
    {"6", 54},
    {"7", 55},  // 30
    {"8", 56},
    {"9", 57},
    {"A", 65},
    {"B", 66},
    {"C", 67},
    {"D", 68},
    {"E", 69},
    {"F", 70},
    {"G", 71},
    {"H", 72},  // 40
    {"I", 73},
    {"J", 74},
    {"K", 75},
    {"L", 76},
    {"M", 77},
    {"N", 78},
    {"O", 79},
    {"P", 80},
    {"Q", 81},
    {"R", 82},  // 50
    {"S", 83},
    {"T", 84},
    {"U", 85},
    {"V", 86},
    {"W", 87},
    {"X", 88},
    {"Y", 89},
    {"Z", 90},
    {"Left Win", 91},
    {"Right Win", 92},  // 60
    {"Menu", 93},
    {"Num 0", 96},
    {"Num 1", 97},
    {"Num 2", 98},
    {"Num 3", 99},
    {"Num 4", 100},
    {"Num 5", 101},
    {"Num 6", 102},
    {"Num 7", 103},
    {"Num 8", 104},  // 70
    {"Num 9", 105},
    {"Num *", 106},
    {"Num +", 107},
    {"Num -", 109},
    {"Num /", 111},
    {"F1", 112},
    {"F2", 113},
    {"F3", 114},
    {"F4", 115},
    {"F5", 116},  // 80
    {"F6", 117},
    {"F7", 118},
    {"F8", 119},
    {"F9", 120},
    {"F10", 121},
    {"F11", 122},
    {"F12", 123},
    {"Num Lock", 144},
    {"Scroll Lock", 145},
    {";", 186},  // 90
    {"=", 187},
    {",", 188},
    {"_", 189},
    {".", 190},
    {"/", 191},
    {"`", 192},
    {"{", 219},
    {"\\", 220},
    {"}", 221},
    {"\"", 222},  // 100
    {"SpaceBar", 32},
    {"Mute", 173},
    {"DisableKey", 0},
    {"Play/Pause", 179},
    {"Stop", 178},
    {"Last Track", 177},
    {"Next Track", 176},
    {"Open Media", 181},
    {"Calculator", 183},
    {"Email", 180},  // 110
    {"My Computer", 182},
    {"Back", 166},
    {"Forward", 167},
    {"WWW Stop", 169},
    {"WWW Refresh", 168},
    {"WWW Favorites", 171},
    {"Power Off", 255},
    {"Sleep", 95},
    {"Num Del", 110},
    {"Print Screen", 44},  // 120
    {"CleanText", 501},
    {"TypeText", 601},
    {"KeyCombination", 602},
    {"Volume Up", 502},
    {"Volume Down", 503},
    {"Shutdown", 504},
    {"Restart", 505},
    {"Logout", 506},
    {"Hibernate", 507},
    {"Suspend", 508},  // 130
    {"Eject cdrom driver", 509},
    {"Close cdrom driver", 510},
    {"Click Left Mouse Button", 511},
    {"Click Right Mouse Button", 512},
    {"Turn Off Monitor", 513},
    {"Activate Screensaver", 514},
    {"Eject/Close Cdrom Driver", 515},
    {"Internet Explorer", 172},
    {"KeySequence", 603},
    {"Run", 604},  // 140
    {"TapHold", 605},
};
static_assert(std::size(kKeyTable) == detail::kKeyRowCount);

}  // namespace

const KeyRow* KeyTable() {
  return kKeyTable;
}
std::size_t KeyTableSize() {
  return std::size(kKeyTable);
}

}  // namespace zv
