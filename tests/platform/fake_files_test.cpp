#include "platform/fake/fake_files.h"

#include "tests/platform/files_contract.h"

namespace zv::contract {
namespace {
struct FakeEnv : FilesEnv {
  fake::FakeFiles fake;
  platform::Files& files() override { return fake; }
  std::string Path(const std::string& name) override { return "C:\\zv\\" + name; }
  void MakeReadOnly(const std::string& path) override { fake.SetReadOnly(path, true); }
  void Hold(const std::string& path, bool held) override { fake.Hold(path, held); }
  void CoarseClock() override { fake.SetCoarseClock(true); }
};
}  // namespace
std::unique_ptr<FilesEnv> MakeFilesEnv() {
  return std::make_unique<FakeEnv>();
}
}  // namespace zv::contract
