#include "settings/settings_watch.h"

#include <utility>

namespace zv {

SettingsWatch::SettingsWatch(SettingsFile& file, platform::FolderWatcher& watcher,
                             platform::Scheduler& scheduler,
                             std::function<void(const std::string&)> report)
    : file_(file), watcher_(watcher), scheduler_(scheduler), report_(std::move(report)) {}

SettingsWatch::~SettingsWatch() {
  watcher_.Stop();
  if (retry_) scheduler_.CancelTimer(retry_);
}

bool SettingsWatch::Start() {
  bool watching = watcher_.Watch(FolderOf(file_.path()), [this] { Changed(); });
  Refresh();
  return watching;
}

void SettingsWatch::Changed() {
  // A burst of notifications (an editor writes in pieces) costs one posted look at a time.
  if (posted_.exchange(true)) return;
  scheduler_.Post([this, alive = std::weak_ptr<char>(alive_)] {
    if (alive.expired()) return;
    posted_ = false;
    Refresh();
  });
}

void SettingsWatch::Refresh() {
  if (retry_) scheduler_.CancelTimer(retry_);
  retry_ = 0;
  SettingsFile::Refreshed result = file_.Refresh();
  if (result == SettingsFile::Refreshed::Unreadable ||
      result == SettingsFile::Refreshed::Deferred) {
    int delay = retries_++ < kRetriesSoon ? kRetryMs : kRetryLaterMs;
    retry_ = scheduler_.StartTimer(delay, [this] {
      retry_ = 0;
      Refresh();
    });
    return;
  }
  retries_ = 0;
  if (result == SettingsFile::Refreshed::Refused) {
    if (file_.refusal() != reported_ && report_) report_(file_.refusal());
    reported_ = file_.refusal();
  } else {
    reported_.clear();
  }
}

std::string FolderOf(const std::string& path) {
  std::string::size_type slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return ".";
  // A root keeps its separator: "E:" alone names the current folder of drive E.
  bool root = slash == 0 || (slash == 2 && path[1] == ':');
  return path.substr(0, root ? slash + 1 : slash);
}

}  // namespace zv
