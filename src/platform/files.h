#pragma once
// Whole-file access for the settings file and its copies.
#include <cstdint>
#include <string>

namespace zv::platform {

// What identifies one version of a file without reading it.
struct FileStamp {
  bool exists = false;
  std::uint64_t size = 0;
  std::uint64_t written = 0;  // last-write time, in the platform's own units
  std::uint64_t created = 0;  // creation (or status-change) time: a replaced file gets a new one
  // The last write lies within the file system's time resolution of now (FAT keeps 2 s steps,
  // NTFS about 15.6 ms): another write of the same size in the same step would leave this stamp
  // as it is, so only the bytes can tell. Not part of the comparison.
  bool recent = false;
  bool operator==(const FileStamp& o) const {
    return exists == o.exists && size == o.size && written == o.written && created == o.created;
  }
  bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

enum class SwapResult {
  kDone,
  kHeld,     // another program holds one of the files: trying again later may succeed
  kRefused,  // read-only, no access: trying again will not help
};

class Files {
 public:
  virtual ~Files() = default;
  virtual bool Exists(const std::string& path) = 0;
  virtual FileStamp Stamp(const std::string& path) = 0;
  // The file's bytes; false when it cannot be read (missing, or held by another program).
  virtual bool Read(const std::string& path, std::string& bytes) = 0;
  // Creates path or overwrites it with bytes, flushed to the disk. False when the platform
  // refuses (read-only, held by another program, disk full).
  virtual bool Write(const std::string& path, const std::string& bytes) = 0;
  // Puts the file replacement in place of path, which keeps its attributes and permissions, and
  // path's old content under backup (ReplaceFileA). Windows' own steps can stop half way: the
  // old content then lives on under backup while replacement keeps its own name, and path is
  // missing. Never waits.
  virtual SwapResult Swap(const std::string& path, const std::string& replacement,
                          const std::string& backup) = 0;
  // Renames from to to, over a file that to may name.
  virtual bool Move(const std::string& from, const std::string& to) = 0;
  virtual bool Delete(const std::string& path) = 0;
  virtual bool Copy(const std::string& from, const std::string& to) = 0;
};

}  // namespace zv::platform
