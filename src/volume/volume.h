#pragma once
// The master volume and its on-screen bar.
//
// Since Windows Vista the mixer's volume control changes only this program's own audio
// session, so the default output endpoint's master volume comes first and the mixer is the
// fallback for systems without one. When neither can be reached, the last value set here
// stands in, so the volume keys still move the bar.
#include <cstdint>

#include "platform/audio_volume.h"
#include "platform/scheduler.h"
#include "platform/screen_painter.h"
#include "platform/sleeper.h"
#include "volume/draw_volume_bar_thread.h"
#include "volume/volume_control.h"

namespace zv {

class TVolume : public VolumeControl {
 public:
  static constexpr int kHideAfterMs = 2000;

  TVolume(platform::AudioVolume& endpoint, platform::AudioVolume& mixer,
          platform::Scheduler& scheduler, platform::ScreenPainter& screen,
          platform::Sleeper& sleeper);
  ~TVolume() override;

  std::uint16_t GetVolume() override;
  // Shows the bar with value (also when no volume control can be reached), restarts the
  // two-second count to its hiding, then sets the volume.
  void SetVolume(std::uint16_t value) override;
  // Two seconds after the last SetVolume: hides the bar and idles the drawing thread.
  void HideTimerTimer();

  bool HideTimerEnabled() const { return hideTimerEnabled_; }
  const TDrawVolumeBarThread& DrawingThread() const { return FThread; }

 private:
  void DisableHideTimer();

  platform::AudioVolume& endpoint_;
  platform::AudioVolume& mixer_;
  platform::Scheduler& scheduler_;
  TDrawVolumeBarThread FThread;
  platform::TimerId FHideTimer = 0;
  bool hideTimerEnabled_ = false;
  std::uint16_t lastSet_ = 0;
};

}  // namespace zv
