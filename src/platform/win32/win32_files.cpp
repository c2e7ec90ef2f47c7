#include "platform/win32/win32_files.h"

#include <windows.h>

namespace zv::win32 {
namespace {

std::uint64_t Ticks(const FILETIME& t) {
  return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

std::string FolderOf(const std::string& path) {
  std::string::size_type slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool WriteWhole(const std::string& path, const std::string& bytes) {
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

constexpr int kReplaceAttempts = 5;
constexpr int kReplacePauseMs = 10;  // then 20, 30, 40
// Within this much of now a last-write time cannot tell two writes apart: FAT keeps 2 s steps.
constexpr std::uint64_t kStampResolution = 2 * 10000000ull;  // in 100 ns units

// Failures that end when another program lets go of the file.
bool IsHeld(DWORD error) {
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
         error == ERROR_ACCESS_DENIED || error == ERROR_UNABLE_TO_REMOVE_REPLACED ||
         error == ERROR_UNABLE_TO_MOVE_REPLACEMENT;
}

// Puts the written temporary file in place of path. ReplaceFileA keeps an existing file's
// attributes, permissions and creation time, which a rename would replace with the temporary
// file's own.
bool PutInPlace(const char* temp, const std::string& path) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
    return MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (ReplaceFileA(path.c_str(), temp, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
    return true;
  // The old file went aside but the new one could not take its name: it still has its own, so
  // moving it there loses nothing.
  if (GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
    return MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  return false;
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

bool Win32Files::Replace(const std::string& path, const std::string& bytes) {
  // A read-only settings file stays untouched: the rename would otherwise replace it.
  DWORD a = GetFileAttributesA(path.c_str());
  if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY)) return false;
  char temp[MAX_PATH];
  if (!GetTempFileNameA(FolderOf(path).c_str(), "zv", 0, temp)) return false;
  bool done = WriteWhole(temp, bytes);
  // Scanners, indexers and editors hold a file for a moment: try again a few times, about
  // 100 ms in all, before the write counts as refused.
  for (int attempt = 1; done; ++attempt) {
    if (PutInPlace(temp, path)) {
      // Wine's ReplaceFileA does not carry the attributes over; Windows' does already.
      if (a != INVALID_FILE_ATTRIBUTES && GetFileAttributesA(path.c_str()) != a)
        SetFileAttributesA(path.c_str(), a);
      return true;
    }
    if (attempt == kReplaceAttempts || !IsHeld(GetLastError())) break;
    Sleep(static_cast<DWORD>(attempt * kReplacePauseMs));
  }
  DeleteFileA(temp);
  return false;
}

bool Win32Files::Delete(const std::string& path) {
  return DeleteFileA(path.c_str()) != 0;
}

bool Win32Files::Copy(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

}  // namespace zv::win32
