#pragma once
// The foreground for native tests: a test moves the focus, with or without the event telling it.
#include "platform/foreground.h"

namespace zv::fake {

class FakeForeground : public platform::Foreground {
 public:
  void Watch(platform::ForegroundSink& sink) override {
    sink_ = &sink;
    Tell();
  }
  void Recheck() override {
    ++rechecks;
    if (sink_ && (current.exe != told_.exe || current.elevated != told_.elevated)) Tell();
  }
  void StopWatching() override { sink_ = nullptr; }
  bool SelfElevated() override { return selfElevated; }

  // A window of exe comes to the foreground, with the event telling it.
  void Focus(const std::string& exe, bool elevated = false) {
    current = {exe, elevated};
    if (sink_) Tell();
  }
  // The same without the event, as under Wine 8: only Recheck finds out.
  void FocusSilently(const std::string& exe) { current = {exe, false}; }

  platform::ForegroundProgram current;
  bool selfElevated = false;
  int rechecks = 0;

 private:
  void Tell() {
    told_ = current;
    sink_->OnForegroundChanged(current);
  }
  platform::ForegroundSink* sink_ = nullptr;
  platform::ForegroundProgram told_;
};

}  // namespace zv::fake
