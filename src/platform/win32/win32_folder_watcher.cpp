#include "platform/win32/win32_folder_watcher.h"

#include <utility>

namespace zv::win32 {

Win32FolderWatcher::~Win32FolderWatcher() {
  Stop();
}

bool Win32FolderWatcher::Watch(const std::string& folder, std::function<void()> changed) {
  Stop();
  // Names (a replace renames a temporary file over the settings file), sizes and write times.
  change_ = FindFirstChangeNotificationA(
      folder.c_str(), FALSE,
      FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
  if (change_ == INVALID_HANDLE_VALUE) return false;
  stop_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  if (!stop_) {
    FindCloseChangeNotification(change_);
    change_ = INVALID_HANDLE_VALUE;
    return false;
  }
  thread_ = std::thread([change = change_, stop = stop_, changed = std::move(changed)] {
    HANDLE handles[2] = {stop, change};
    while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
      // Watching again before the look is posted: a change made meanwhile (the rename that
      // follows a temporary file's write) signals anew instead of going by unseen, and the
      // look, which comes later, sees everything before it.
      bool watching = FindNextChangeNotification(change);
      changed();
      if (!watching) return;
    }
  });
  return true;
}

void Win32FolderWatcher::Stop() {
  if (thread_.joinable()) {
    SetEvent(stop_);
    thread_.join();
  }
  if (change_ != INVALID_HANDLE_VALUE) FindCloseChangeNotification(change_);
  if (stop_) CloseHandle(stop_);
  change_ = INVALID_HANDLE_VALUE;
  stop_ = nullptr;
}

}  // namespace zv::win32
