#pragma once
// Change notifications of one folder (FindFirstChangeNotificationA) on a thread of their own.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

#include "platform/folder_watcher.h"

namespace zv::win32 {

class Win32FolderWatcher : public platform::FolderWatcher {
 public:
  Win32FolderWatcher() = default;
  ~Win32FolderWatcher() override;
  Win32FolderWatcher(const Win32FolderWatcher&) = delete;
  Win32FolderWatcher& operator=(const Win32FolderWatcher&) = delete;

  bool Watch(const std::string& folder, std::function<void()> changed) override;
  void Stop() override;

 private:
  HANDLE change_ = INVALID_HANDLE_VALUE;
  HANDLE stop_ = nullptr;
  std::thread thread_;
};

}  // namespace zv::win32
