#include "volume/volume.h"

namespace zv {

TVolume::TVolume(platform::AudioVolume& endpoint, platform::AudioVolume& mixer,
                 platform::Scheduler& scheduler, platform::ScreenPainter& screen,
                 platform::Sleeper& sleeper)
    : endpoint_(endpoint), mixer_(mixer), scheduler_(scheduler), FThread(screen, sleeper) {}

TVolume::~TVolume() {
  DisableHideTimer();
}

std::uint16_t TVolume::GetVolume() {
  std::uint16_t value = 0;
  if (endpoint_.GetVolume(value) || mixer_.GetVolume(value)) return value;
  return lastSet_;
}

void TVolume::SetVolume(std::uint16_t value) {
  DisableHideTimer();
  FThread.SetValue(value);
  FThread.Wake();
  FHideTimer = scheduler_.StartTimer(kHideAfterMs, [this] { HideTimerTimer(); });
  hideTimerEnabled_ = true;
  lastSet_ = value;
  if (!endpoint_.SetVolume(value)) mixer_.SetVolume(value);
}

void TVolume::HideTimerTimer() {
  DisableHideTimer();
  FThread.MakeIdle();  // the thread erases its bar once its current pass is over
}

void TVolume::DisableHideTimer() {
  if (hideTimerEnabled_) scheduler_.CancelTimer(FHideTimer);
  hideTimerEnabled_ = false;
}

}  // namespace zv
