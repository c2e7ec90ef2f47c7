#pragma once
// UTF-8 to UTF-16 and back for the fakes, as the wide Windows functions see texts.
#include <string>

namespace zv::fake {

// UTF-8 to UTF-16 and back, enough for the texts of tests (no checks of malformed input).
inline std::u16string Utf16Of(const std::string& text) {
  std::u16string wide;
  for (std::size_t i = 0; i < text.size();) {
    auto byte = static_cast<unsigned char>(text[i]);
    int extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
    char32_t c = extra ? byte & (0x3F >> extra) : byte;
    for (int k = 1; k <= extra && i + k < text.size(); ++k)
      c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    i += 1 + extra;
    if (c >= 0x10000) {
      wide += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      c = 0xDC00 + ((c - 0x10000) & 0x3FF);
    }
    wide += static_cast<char16_t>(c);
  }
  return wide;
}

inline std::string Utf8Of(const std::u16string& wide) {
  std::string text;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t c = wide[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < wide.size())
      c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
    if (c < 0x80) {
      text += static_cast<char>(c);
      continue;
    }
    int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    text += static_cast<char>(((0xFF00 >> (extra + 1)) & 0xFF) | (c >> (6 * extra)));
    for (int k = extra - 1; k >= 0; --k) text += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
  }
  return text;
}

}  // namespace zv::fake
