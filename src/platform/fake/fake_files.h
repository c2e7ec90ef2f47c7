#pragma once
// In-memory files for native tests. Every change bumps a clock, so stamps always differ.
#include <map>
#include <set>
#include <string>

#include "platform/files.h"

namespace zv::fake {

class FakeFiles : public platform::Files {
 public:
  bool Exists(const std::string& path) override { return files_.count(path) != 0; }
  platform::FileStamp Stamp(const std::string& path) override;
  bool Read(const std::string& path, std::string& bytes) override;
  bool Replace(const std::string& path, const std::string& bytes) override;
  bool Delete(const std::string& path) override;
  bool Copy(const std::string& from, const std::string& to) override;

  // Test controls.
  void Put(const std::string& path, const std::string& bytes) { Replace(path, bytes); }
  std::string Get(const std::string& path) const;
  void SetReadOnly(const std::string& path, bool readOnly);
  int stamps = 0;    // how often a stamp was asked for
  int reads = 0;     // how often a file was read
  int replaces = 0;  // how often a file was written

 private:
  struct Entry {
    std::string bytes;
    std::uint64_t written = 0;
    std::uint64_t created = 0;
  };
  std::map<std::string, Entry> files_;
  std::set<std::string> readOnly_;
  std::uint64_t clock_ = 0;
};

}  // namespace zv::fake
