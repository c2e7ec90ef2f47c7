#pragma once
// A folder watcher whose notifications the test sends with Fire, on the test's own thread.
#include <functional>
#include <string>
#include <utility>

#include "platform/folder_watcher.h"

namespace zv::fake {

class FakeFolderWatcher : public platform::FolderWatcher {
 public:
  bool Watch(const std::string& folder, std::function<void()> changed) override {
    if (!watchable) return false;
    folder_ = folder;
    changed_ = std::move(changed);
    return true;
  }
  void Stop() override { changed_ = nullptr; }

  // Test controls.
  void Fire() {
    if (changed_) changed_();
  }
  bool watching() const { return static_cast<bool>(changed_); }
  const std::string& folder() const { return folder_; }
  bool watchable = true;

 private:
  std::string folder_;
  std::function<void()> changed_;
};

}  // namespace zv::fake
