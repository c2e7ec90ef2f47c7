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
  if (!WriteWhole(temp, bytes) ||
      !MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temp);
    return false;
  }
  return true;
}

bool Win32Files::Delete(const std::string& path) {
  return DeleteFileA(path.c_str()) != 0;
}

bool Win32Files::Copy(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

}  // namespace zv::win32
