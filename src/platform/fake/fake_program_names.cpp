// The system's upper-casing table for the letters that tests use: ASCII, Latin-1, Latin
// Extended-A, Greek and Cyrillic. Letters without a simple capital (ß, ı, ſ, final sigma) stay.
#include "platform/fake/fake_utf16.h"
#include "platform/program_names.h"

namespace zv::platform {
namespace {

char16_t Upper(char16_t c) {
  // Latin Extended-A pairs capital and small letter, the small one odd here and even there.
  bool oddSmall = (c >= 0x100 && c <= 0x137 && c != 0x131) || (c >= 0x14A && c <= 0x177);
  bool evenSmall = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
  if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) ||
      (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) || (c >= 0x430 && c <= 0x44F))
    return static_cast<char16_t>(c - 0x20);
  if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 0x50);
  if (c == 0xFF) return 0x178;
  if ((oddSmall && c % 2 == 1) || (evenSmall && c % 2 == 0)) return static_cast<char16_t>(c - 1);
  return c;
}

}  // namespace

std::string ProgramNameKey(const std::string& utf8) {
  std::u16string wide = fake::Utf16Of(utf8);
  for (char16_t& c : wide) c = Upper(c);
  return fake::Utf8Of(wide);
}

}  // namespace zv::platform
