#pragma once
// Windows' own private-profile functions on one file, with the operations of our INI engine,
// as the reference the engine is compared with.
#include <string>
#include <vector>

namespace zv::testing_win32 {

class WindowsProfile {
 public:
  explicit WindowsProfile(std::string path) : path_(std::move(path)) {}
  void Write(const std::string& section, const std::string& key, const std::string& value);
  void DeleteKey(const std::string& section, const std::string& key);
  void EraseSection(const std::string& section);
  // What GetPrivateProfileStringA gives with a buffer of 2048 characters, as the settings
  // reads use it.
  std::string Read(const std::string& section, const std::string& key, const std::string& def);
  std::vector<std::string> Keys(const std::string& section);  // NULL key: the key listing
  std::vector<std::string> Sections();                        // NULL section: the section listing
  std::string Text() const;                                   // the file's bytes

 private:
  std::string path_;
};

std::string FileBytes(const std::string& path);
void PutFileBytes(const std::string& path, const std::string& bytes);

}  // namespace zv::testing_win32
