#pragma once
// A private folder under the Windows temp folder, removed with everything in it.
#include <string>

namespace zv::testing_win32 {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }  // without a trailing backslash
  std::string Path(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

}  // namespace zv::testing_win32
