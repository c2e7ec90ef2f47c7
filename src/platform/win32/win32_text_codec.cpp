#include "platform/win32/win32_text_codec.h"

#include <windows.h>

#include <cstdlib>

namespace zv::win32 {

namespace {

// The user locale's default ANSI code page. GetACP() would answer UTF-8: the manifest makes it
// the program's own.
UINT UserAnsiCodePage() {
  char digits[8] = {};
  if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE, digits, sizeof digits))
    return 1252;
  UINT page = static_cast<UINT>(std::strtoul(digits, nullptr, 10));
  return page == 0 ? 1252 : page;  // 0: a Unicode-only locale, which has no ANSI code page
}

}  // namespace

std::string Win32TextCodec::AnsiToUtf8(const std::string& bytes) {
  if (bytes.empty()) return bytes;
  UINT page = UserAnsiCodePage();
  int size = static_cast<int>(bytes.size());
  int units = MultiByteToWideChar(page, 0, bytes.data(), size, nullptr, 0);
  if (units <= 0) return bytes;
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(page, 0, bytes.data(), size, &wide[0], units);
  int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return bytes;
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, &text[0], length, nullptr, nullptr);
  return text;
}

}  // namespace zv::win32
