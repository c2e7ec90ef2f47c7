#include "platform/fake/fake_files.h"

namespace zv::fake {

platform::FileStamp FakeFiles::Stamp(const std::string& path) {
  ++stamps;
  platform::FileStamp s;
  auto it = files_.find(path);
  if (it == files_.end()) return s;
  s.exists = true;
  s.size = it->second.bytes.size();
  s.written = it->second.written;
  s.created = it->second.created;
  s.recent = coarse_ && it->second.written == clock_;
  return s;
}

bool FakeFiles::Read(const std::string& path, std::string& bytes) {
  auto it = files_.find(path);
  if (it == files_.end() || held_.count(path)) return false;
  if (failReads_ > 0) {
    --failReads_;
    return false;
  }
  ++reads;
  bytes = it->second.bytes;
  return true;
}

bool FakeFiles::Write(const std::string& path, const std::string& bytes) {
  if (readOnly_.count(path) || held_.count(path)) return false;
  Store(path, bytes);
  return true;
}

platform::SwapResult FakeFiles::Swap(const std::string& path, const std::string& replacement,
                                     const std::string& backup) {
  ++swaps;
  if (!files_.count(path) || !files_.count(replacement) || readOnly_.count(path))
    return platform::SwapResult::kRefused;
  if (held_.count(path) || held_.count(replacement)) return platform::SwapResult::kHeld;
  if (swapFailures_ > 0) {
    --swapFailures_;
    if (swapFailure_ == SwapFailure::kMoveReplacement && backup.empty()) files_.erase(path);
    if (swapFailure_ == SwapFailure::kMoveReplacement2) {
      files_[backup.empty() ? path + ".~hidden" : backup] = files_[path];
      files_.erase(path);
    }
    return platform::SwapResult::kHeld;
  }
  if (!backup.empty()) files_[backup] = files_[path];
  files_[path] = files_[replacement];
  files_.erase(replacement);
  return platform::SwapResult::kDone;
}

bool FakeFiles::Move(const std::string& from, const std::string& to) {
  if (!files_.count(from) || held_.count(from) || held_.count(to) || readOnly_.count(to))
    return false;
  if (moveFailures_ > 0) {
    --moveFailures_;
    return false;
  }
  files_[to] = files_[from];
  files_.erase(from);
  return true;
}

void FakeFiles::Put(const std::string& path, const std::string& bytes) {
  Store(path, bytes);
}

void FakeFiles::Store(const std::string& path, const std::string& bytes) {
  ++replaces;
  bool existed = files_.count(path) != 0;
  Entry& e = files_[path];
  e.bytes = bytes;
  if (!coarse_) ++clock_;
  e.written = clock_;
  if (!coarse_ || !existed) e.created = clock_;
}

bool FakeFiles::Delete(const std::string& path) {
  if (readOnly_.count(path) || held_.count(path)) return false;
  return files_.erase(path) != 0;
}

bool FakeFiles::Copy(const std::string& from, const std::string& to) {
  auto it = files_.find(from);
  if (it == files_.end() || held_.count(from)) return false;
  std::string bytes = it->second.bytes;
  return Write(to, bytes);
}

std::string FakeFiles::Get(const std::string& path) const {
  auto it = files_.find(path);
  return it == files_.end() ? std::string() : it->second.bytes;
}

void FakeFiles::SetReadOnly(const std::string& path, bool readOnly) {
  if (readOnly)
    readOnly_.insert(path);
  else
    readOnly_.erase(path);
}

void FakeFiles::Hold(const std::string& path, bool held) {
  if (held)
    held_.insert(path);
  else
    held_.erase(path);
}

}  // namespace zv::fake
