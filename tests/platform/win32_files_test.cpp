#include "platform/win32/win32_files.h"

#include <windows.h>

#include "tests/platform/files_contract.h"
#include "tests/win32/temp_folder.h"

namespace zv::contract {
namespace {
struct Win32Env : FilesEnv {
  testing_win32::TempFolder folder;
  win32::Win32Files real;
  platform::Files& files() override { return real; }
  std::string Path(const std::string& name) override { return folder.Path(name); }
  void MakeReadOnly(const std::string& path) override {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  }
};
}  // namespace
std::unique_ptr<FilesEnv> MakeFilesEnv() {
  return std::make_unique<Win32Env>();
}
}  // namespace zv::contract
