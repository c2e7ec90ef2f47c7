// The scancode table: the scan code word of each key as the system's scancode map stores it
// (make code byte, then prefix byte), written as four upper-case hexadecimal digits.
#include <iterator>

#include "catalogue/key_catalogue.h"
#include "catalogue/table_sizes.h"

namespace zv {
namespace {

const ScancodeRow kScancodeTable[] = {
    {"BackSpace", "0E00"},   {"Tab", "0F00"},
    {"Enter", "1C00"},       {"Left Shift", "2A00"},
    {"Right Shift", "3600"}, {"Left Ctrl", "1D00"},
    {"Right Ctrl", "1DE0"},  {"Left Alt", "3800"},
    {"Right Alt", "38E0"},   {"Caps Lock", "3A00"},
    {"Esc", "0100"},  // 10
    {"Page Up", "49E0"},     {"Page Down", "51E0"},
    {"End", "CF00"},         {"Home", "C700"},
    {"Left Arrow", "CB00"},  {"Up Arrow", "C800"},
    {"Right Arrow", "CD00"}, {"Down Arrow", "D000"},
    {"Insert", "D200"},      {"Delete", "D300"},  // 20
    {"0", "0B00"},           {"1", "0200"},
    {"2", "0300"},           {"3", "0400"},
    {"4", "0500"},           {"5", "0600"},
    {"6", "0700"},           {"7", "0800"},
    {"8", "0900"},           {"9", "0A00"},  // 30
    {"A", "1E00"},           {"B", "3000"},
    {"C", "2E00"},           {"D", "2000"},
    {"E", "1200"},           {"F", "2100"},
    {"G", "2200"},           {"H", "2300"},
    {"I", "1700"},           {"J", "2400"},  // 40
    {"K", "2500"},           {"L", "2600"},
    {"M", "3200"},           {"N", "3100"},
    {"O", "1800"},           {"P", "1900"},
    {"Q", "1000"},           {"R", "1300"},
    {"S", "1F00"},           {"T", "1400"},  // 50
    {"U", "1600"},           {"V", "2F00"},
    {"W", "1100"},           {"X", "2D00"},
    {"Y", "1500"},           {"Z", "2C00"},
    {"Left Win", "5BE0"},    {"Right Win", "5CE0"},
    {"Num 0", "5200"},       {"Num 1", "4F00"},  // 60
    {"Num 2", "5000"},       {"Num 3", "5100"},
    {"Num 4", "4B00"},       {"Num 5", "4C00"},
    {"Num 6", "4D00"},       {"Num 7", "4700"},
    {"Num 8", "4800"},       {"Num 9", "4900"},
    {"Num *", "3700"},       {"Num +", "4E00"},  // 70
    {"Num -", "4A00"},       {"Num /", "35E0"},
    {"F1", "3B00"},          {"F2", "3C00"},
    {"F3", "3D00"},          {"F4", "3E00"},
    {"F5", "3F00"},          {"F6", "4000"},
    {"F7", "4100"},          {"F8", "4200"},  // 80
    {"F9", "4300"},          {"F10", "4400"},
    {"F11", "5700"},         {"F12", "5800"},
    {"NumLock", "C500"},     {";", "2700"},
    {"=", "0D00"},           {",", "3300"},
    {"-", "0C00"},           {".", "3400"},  // 90
    {"/", "3500"},           {"]", "1B00"},
    {"[", "1A00"},           {"\"", "2800"},
    {"SpaceBar", "3900"},    {"DisableKey", "0000"},
    {"`", "2900"},           {"\\", "2B00"},
    {"Mute", "20E0"},        {"Volume Up", "30E0"},  // 100
    {"Volume Down", "2EE0"}, {"Play/Pause", "22E0"},
    {"Stop", "24E0"},        {"Last Track", "10E0"},
    {"Next Track", "19E0"},  {"Open Media", "6DE0"},
    {"Calculator", "21E0"},  {"Email", "6CE0"},
    {"My Computer", "6BE0"}, {"WWW Back", "6AE0"},  // 110
    {"WWW Forward", "69E0"}, {"WWW Stop", "68E0"},
    {"WWW Refresh", "67E0"}, {"WWW Favorites", "66E0"},
    {"Scroll Lock", "4600"}, {"Power Off", "5EE0"},
    {"Sleep", "5FE0"},
};
static_assert(std::size(kScancodeTable) == detail::kScancodeRowCount);

}  // namespace

const ScancodeRow* ScancodeTable() {
  return kScancodeTable;
}
std::size_t ScancodeTableSize() {
  return std::size(kScancodeTable);
}

}  // namespace zv
