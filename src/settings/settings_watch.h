#pragma once
// Keeps a settings file's snapshot in step with the edits of other programs. The folder
// watcher's thread only signals: it posts one look at the file to the main thread, where the
// hook and the dispatcher read the snapshot, so the snapshot needs no lock. A look that finds
// the file held by another program (or in the middle of one of our own batches of writes) is
// tried again shortly by timer; the last good snapshot stays in force meanwhile. A file the program
// refuses to read (UTF-16) is reported once.
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "platform/folder_watcher.h"
#include "platform/scheduler.h"
#include "settings/settings_file.h"

namespace zv {

class SettingsWatch {
 public:
  SettingsWatch(SettingsFile& file, platform::FolderWatcher& watcher,
                platform::Scheduler& scheduler, std::function<void(const std::string&)> report);
  ~SettingsWatch();  // stops the watcher first: nothing of this object runs afterwards
  SettingsWatch(const SettingsWatch&) = delete;
  SettingsWatch& operator=(const SettingsWatch&) = delete;

  // Takes a first look at the file and watches its folder; false when the folder cannot be
  // watched (the snapshot then follows only the program's own writes).
  bool Start();
  // One look at the file (main thread).
  void Refresh();

  static constexpr int kRetryMs = 10;        // a held file is tried again this soon,
  static constexpr int kRetriesSoon = 20;    // this often,
  static constexpr int kRetryLaterMs = 500;  // then at this pace until it can be read

 private:
  void Changed();  // the watcher's thread

  SettingsFile& file_;
  platform::FolderWatcher& watcher_;
  platform::Scheduler& scheduler_;
  std::function<void(const std::string&)> report_;
  std::atomic<bool> posted_{false};  // a look is posted and has not started yet
  platform::TimerId retry_ = 0;
  int retries_ = 0;
  std::string reported_;  // the refusal shown last, so it is shown once
  // A look posted before this object went away finds the token gone and does nothing.
  std::shared_ptr<char> alive_ = std::make_shared<char>();
};

// The folder of a file path (without the trailing separator, except for a root such as "E:\\");
// "." for a bare name.
std::string FolderOf(const std::string& path);

}  // namespace zv
