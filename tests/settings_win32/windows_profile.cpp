#include "tests/settings_win32/windows_profile.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace zv::testing_win32 {
namespace {
std::vector<std::string> SplitNulList(const std::vector<char>& buffer, DWORD length) {
  std::vector<std::string> names;
  std::string current;
  for (DWORD i = 0; i < length; ++i) {
    if (buffer[i] != '\0') {
      current += buffer[i];
    } else {
      names.push_back(current);
      current.clear();
    }
  }
  if (!current.empty()) names.push_back(current);
  return names;
}
}  // namespace

void WindowsProfile::Write(const std::string& section, const std::string& key,
                           const std::string& value) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str());
}

void WindowsProfile::DeleteKey(const std::string& section, const std::string& key) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, path_.c_str());
}

void WindowsProfile::EraseSection(const std::string& section) {
  WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, path_.c_str());
}

std::string WindowsProfile::Read(const std::string& section, const std::string& key,
                                 const std::string& def) {
  char buffer[2048];
  DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer,
                                     sizeof buffer, path_.c_str());
  return std::string(buffer, n);
}

std::vector<std::string> WindowsProfile::Keys(const std::string& section) {
  std::vector<char> buffer(1 << 16);
  DWORD n = GetPrivateProfileStringA(section.c_str(), nullptr, "", buffer.data(),
                                     static_cast<DWORD>(buffer.size()), path_.c_str());
  return SplitNulList(buffer, n);
}

std::vector<std::string> WindowsProfile::Sections() {
  std::vector<char> buffer(1 << 16);
  DWORD n = GetPrivateProfileStringA(nullptr, nullptr, "", buffer.data(),
                                     static_cast<DWORD>(buffer.size()), path_.c_str());
  return SplitNulList(buffer, n);
}

std::string WindowsProfile::Text() const {
  return FileBytes(path_);
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PutFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace zv::testing_win32
