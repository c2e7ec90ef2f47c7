#pragma once
// The user guide that ships with the program: docs\user-guide.html beside the executable, or
// the README there when the guide is missing.
#include <windows.h>

#include <string>

namespace zv {

inline std::string UserGuidePath(const std::string& executablePath) {
  std::string folder = executablePath.substr(0, executablePath.find_last_of("\\/") + 1);
  for (const char* name :
       {"docs\\user-guide.html", "user-guide.html", "README.html", "README.md", "README.txt"}) {
    std::string path = folder + name;
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) return path;
  }
  return folder + "README.md";
}

}  // namespace zv
