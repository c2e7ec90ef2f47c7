// Lookups over the scancode table, used by the registry map (not per key event): plain scans
// in which the last matching row wins.
#include "catalogue/key_catalogue.h"

namespace zv {

std::string_view ScancodeOfName(std::string_view name) {
  std::string_view text = "-1";
  for (std::size_t row = 0; row < ScancodeTableSize(); ++row)
    if (ScancodeTable()[row].name == name) text = ScancodeTable()[row].text;
  return text;
}

void NameOfScancode(std::string_view text, std::string& name) {
  for (std::size_t row = 0; row < ScancodeTableSize(); ++row)
    if (ScancodeTable()[row].text == text) name = ScancodeTable()[row].name;
}

}  // namespace zv
