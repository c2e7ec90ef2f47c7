#pragma once
// Word that something in a folder changed (a file written, created, renamed or deleted), from a
// thread of the watcher's own.
#include <functional>
#include <string>

namespace zv::platform {

class FolderWatcher {
 public:
  virtual ~FolderWatcher() = default;
  // Starts watching folder, replacing an earlier watch. changed runs on the watcher's thread, so
  // it must only signal (post work to the main thread). False when the folder cannot be watched.
  virtual bool Watch(const std::string& folder, std::function<void()> changed) = 0;
  // After Stop returns, changed never runs again.
  virtual void Stop() = 0;
};

}  // namespace zv::platform
