#include "platform/fake/journal.h"

namespace zv::fake {

void Journal::Add(const std::string& entry) {
  std::lock_guard<std::mutex> lock(mutex_);
  entries_.push_back(entry);
}

std::vector<std::string> Journal::Entries() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return entries_;
}

std::string Journal::Text() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::string text;
  for (const std::string& e : entries_) text += (text.empty() ? "" : " ") + e;
  return text;
}

void Journal::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  entries_.clear();
}

}  // namespace zv::fake
