#include "platform/win32/win32_files.h"

#include <windows.h>

namespace zv::win32 {
namespace {

std::uint64_t Ticks(const FILETIME& t) {
  return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

// Within this much of now a last-write time cannot tell two writes apart: FAT keeps 2 s steps.
constexpr std::uint64_t kStampResolution = 2 * 10000000ull;  // in 100 ns units

// Failures that end when another program lets go of the file (a scanner, an indexer, an editor
// or a file still being deleted).
bool IsHeld(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED ||
         error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2;
}

}  // namespace

bool Win32Files::Exists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

platform::FileStamp Win32Files::Stamp(const std::string& path) {
  platform::FileStamp s;
  WIN32_FILE_ATTRIBUTE_DATA d;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d)) return s;
  if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return s;
  s.exists = true;
  s.size = (static_cast<std::uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
  s.written = Ticks(d.ftLastWriteTime);
  s.created = Ticks(d.ftCreationTime);
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  s.recent = s.written + kStampResolution > Ticks(now);
  return s;
}

bool Win32Files::Read(const std::string& path, std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bytes.clear();
  char buffer[16384];
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(h, buffer, sizeof buffer, &got, nullptr)) && got > 0)
    bytes.append(buffer, got);
  CloseHandle(h);
  return ok;
}

bool Win32Files::Write(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = bytes.empty() ||
            (WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
             written == bytes.size());
  ok = FlushFileBuffers(h) && ok;
  CloseHandle(h);
  return ok;
}

platform::SwapResult Win32Files::Swap(const std::string& path, const std::string& replacement,
                                      const std::string& backup) {
  // A read-only settings file stays untouched.
  DWORD a = GetFileAttributesA(path.c_str());
  if (a == INVALID_FILE_ATTRIBUTES || (a & FILE_ATTRIBUTE_READONLY))
    return platform::SwapResult::kRefused;
  // ReplaceFileA keeps the file's attributes, permissions and creation time, which a rename
  // would replace with the new file's own.
  if (ReplaceFileA(path.c_str(), replacement.c_str(), backup.empty() ? nullptr : backup.c_str(),
                   REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    // Wine's ReplaceFileA does not carry the attributes over; Windows' does already.
    if (GetFileAttributesA(path.c_str()) != a) SetFileAttributesA(path.c_str(), a);
    return platform::SwapResult::kDone;
  }
  return IsHeld(GetLastError()) ? platform::SwapResult::kHeld : platform::SwapResult::kRefused;
}

bool Win32Files::Move(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32Files::Delete(const std::string& path) {
  return DeleteFileA(path.c_str()) != 0;
}

bool Win32Files::Copy(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

}  // namespace zv::win32
