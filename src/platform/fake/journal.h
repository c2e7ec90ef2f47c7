#pragma once
// One ordered record of what the fakes were asked to do, shared by several fakes so that a test
// can check the order across them ("clipboard, then the keys"). Safe to use from two threads.
#include <mutex>
#include <string>
#include <vector>

namespace zv::fake {

class Journal {
 public:
  void Add(const std::string& entry);
  std::vector<std::string> Entries() const;
  // The entries joined by single blanks.
  std::string Text() const;
  void Clear();

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> entries_;
};

}  // namespace zv::fake
