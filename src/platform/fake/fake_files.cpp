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

bool FakeFiles::Replace(const std::string& path, const std::string& bytes) {
  if (readOnly_.count(path) || held_.count(path)) return false;
  Write(path, bytes);
  return true;
}

void FakeFiles::Put(const std::string& path, const std::string& bytes) {
  Write(path, bytes);
}

void FakeFiles::Write(const std::string& path, const std::string& bytes) {
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
  return Replace(to, bytes);
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
