#include "platform/win32/win32_files.h"

#include <windows.h>

#include <map>

#include "settings/file_replace.h"
#include "tests/platform/files_contract.h"
#include "tests/win32/temp_folder.h"

namespace zv::contract {
namespace {

// Opens path as another program that shares nothing would.
HANDLE OpenUnshared(const std::string& path) {
  return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

struct Win32Env : FilesEnv {
  testing_win32::TempFolder folder;
  win32::Win32Files real;
  std::map<std::string, HANDLE> held;
  ~Win32Env() override {
    for (auto& h : held) CloseHandle(h.second);
  }
  platform::Files& files() override { return real; }
  std::string Path(const std::string& name) override { return folder.Path(name); }
  void MakeReadOnly(const std::string& path) override {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  }
  void Hold(const std::string& path, bool hold) override {
    if (hold) {
      held[path] = OpenUnshared(path);
      ASSERT_NE(held[path], INVALID_HANDLE_VALUE);
    } else {
      CloseHandle(held[path]);
      held.erase(path);
    }
  }
  void CoarseClock() override {}  // the real stamps answer for every file system
};
}  // namespace
std::unique_ptr<FilesEnv> MakeFilesEnv() {
  return std::make_unique<Win32Env>();
}

namespace {

class Win32FilesTest : public ::testing::Test {
 protected:
  testing_win32::TempFolder folder;
  win32::Win32Files files;
  std::string path = folder.Path("Keydat.qnp");
};

TEST_F(Win32FilesTest, AFileHeldForAMomentIsReplacedOnceItIsLetGo) {
  ASSERT_EQ(ReplaceContent(files, path, "old"), ReplaceResult::kDone);
  HANDLE h = OpenUnshared(path);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  EXPECT_EQ(ReplaceContent(files, path, "new"), ReplaceResult::kHeld);  // no waiting
  CloseHandle(h);
  std::string bytes;
  ASSERT_TRUE(files.Read(path, bytes));
  EXPECT_EQ(bytes, "old");
  EXPECT_EQ(ReplaceContent(files, path, "new"), ReplaceResult::kDone);
  ASSERT_TRUE(files.Read(path, bytes));
  EXPECT_EQ(bytes, "new");
  EXPECT_FALSE(files.Exists(path + ".new") || files.Exists(BackupNameOf(path)));
}

TEST_F(Win32FilesTest, AReplacedFileKeepsItsAttributesAndOnlyOldStampsAreSettled) {
  ASSERT_TRUE(files.Write(path, "first"));
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  ASSERT_TRUE(ReplaceContent(files, path, "second") == ReplaceResult::kDone);
  EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
  // A file last written long ago: its stamp alone tells every later write.
  HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  SYSTEMTIME then = {2020, 1, 3, 1, 12, 0, 0, 0};
  FILETIME old;
  SystemTimeToFileTime(&then, &old);
  SetFileTime(h, nullptr, nullptr, &old);
  CloseHandle(h);
  EXPECT_FALSE(files.Stamp(path).recent);
  EXPECT_TRUE(ReplaceContent(files, path, "third") == ReplaceResult::kDone);
  EXPECT_TRUE(files.Stamp(path).recent);
}

}  // namespace
}  // namespace zv::contract
