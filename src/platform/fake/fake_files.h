#pragma once
// In-memory files for native tests, as unkind as Windows when asked: a file can be held by
// "another program" (reads and replaces fail, its bytes stay), reads can fail for a moment, a
// replace can stop half way as ReplaceFileA's does, and the clock can be coarse, so that a
// same-size write in the same tick leaves the stamp as it was.
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
  bool Write(const std::string& path, const std::string& bytes) override;
  platform::SwapResult Swap(const std::string& path, const std::string& replacement,
                            const std::string& backup) override;
  bool Move(const std::string& from, const std::string& to) override;
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
  // How ReplaceFileA fails (its error codes): nothing moved (ERROR_UNABLE_TO_REMOVE_REPLACED);
  // the replacement cannot take the name (ERROR_UNABLE_TO_MOVE_REPLACEMENT: with a backup name
  // both files keep theirs, without one the old file is gone); the old file went to the backup
  // name and the replacement could not follow (ERROR_UNABLE_TO_MOVE_REPLACEMENT_2).
  enum class SwapFailure { kRemoveReplaced, kMoveReplacement, kMoveReplacement2 };
  // The next n swaps fail so, and the next moves fail moveFailures times.
  void FailNextSwaps(SwapFailure how, int n, int moveFailures = 0) {
    swapFailure_ = how;
    swapFailures_ = n;
    moveFailures_ = moveFailures;
  }
  // A coarse clock: writes within one tick keep the file's times, and stamps say so (recent)
  // until NextTick moves the clock on.
  void SetCoarseClock(bool coarse) { coarse_ = coarse; }
  void NextTick() { ++clock_; }
  int stamps = 0;    // how often a stamp was asked for
  int reads = 0;     // how often a file was read
  int replaces = 0;  // how often a file was written
  int swaps = 0;     // how often a swap was tried

 private:
  struct Entry {
    std::string bytes;
    std::uint64_t written = 0;
    std::uint64_t created = 0;
  };
  void Store(const std::string& path, const std::string& bytes);
  std::map<std::string, Entry> files_;
  std::set<std::string> readOnly_;
  std::set<std::string> held_;
  std::uint64_t clock_ = 0;
  bool coarse_ = false;
  int failReads_ = 0;
  SwapFailure swapFailure_ = SwapFailure::kRemoveReplaced;
  int swapFailures_ = 0;
  int moveFailures_ = 0;
};

}  // namespace zv::fake
