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

class Files {
 public:
  virtual ~Files() = default;
  virtual bool Exists(const std::string& path) = 0;
  virtual FileStamp Stamp(const std::string& path) = 0;
  // The file's bytes; false when it cannot be read (missing, or held by another program).
  virtual bool Read(const std::string& path, std::string& bytes) = 0;
  // Writes a temporary file in the same folder and puts it in place of path, so a crash leaves
  // either the old or the new file; an existing file keeps its attributes and permissions.
  // Retries for a moment while another program holds the file. False when the platform
  // refuses (read-only, no access, held for longer); the file then stays as it was.
  virtual bool Replace(const std::string& path, const std::string& bytes) = 0;
  virtual bool Delete(const std::string& path) = 0;
  virtual bool Copy(const std::string& from, const std::string& to) = 0;
};

}  // namespace zv::platform
