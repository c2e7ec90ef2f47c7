#pragma once
// In-memory files for native tests, as unkind as Windows when asked: a file can be held by
// "another program" (reads and replaces fail, its bytes stay), reads can fail for a moment, and
// the clock can be coarse, so that a same-size write in the same tick leaves the stamp as it was.
// By default every change moves the clock on, so stamps always differ.
#include <cstdint>
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

  // Test controls. Put writes as another program would, past holds and read-only marks.
  void Put(const std::string& path, const std::string& bytes);
  std::string Get(const std::string& path) const;
  void SetReadOnly(const std::string& path, bool readOnly);
  // Another program holds the file open without sharing: reads, replaces and deletes fail.
  void Hold(const std::string& path, bool held);
  // The next n reads of any file fail, as with a scanner holding it for a moment.
  void FailNextReads(int n) { failReads_ = n; }
  // A coarse clock: writes within one tick keep the file's times, and stamps say so (recent)
  // until NextTick moves the clock on.
  void SetCoarseClock(bool coarse) { coarse_ = coarse; }
  void NextTick() { ++clock_; }
  int stamps = 0;    // how often a stamp was asked for
  int reads = 0;     // how often a file was read
  int replaces = 0;  // how often a file was written

 private:
  struct Entry {
    std::string bytes;
    std::uint64_t written = 0;
    std::uint64_t created = 0;
  };
  void Write(const std::string& path, const std::string& bytes);
  std::map<std::string, Entry> files_;
  std::set<std::string> readOnly_;
  std::set<std::string> held_;
  std::uint64_t clock_ = 0;
  bool coarse_ = false;
  int failReads_ = 0;
};

}  // namespace zv::fake
