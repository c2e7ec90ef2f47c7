#pragma once
// The program's texts are UTF-8; the wide Windows functions speak UTF-16.
#include <string>

namespace zv::win32 {

std::wstring WideOf(const std::string& utf8);
std::string Utf8Of(const wchar_t* wide, std::size_t units);
inline std::string Utf8Of(const std::wstring& wide) {
  return Utf8Of(wide.data(), wide.size());
}

}  // namespace zv::win32
