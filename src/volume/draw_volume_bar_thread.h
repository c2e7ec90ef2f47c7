#pragma once
// The thread that keeps the volume bar on the screen: while running it makes a pass about every
// 20 ms, showing the latest value (a pass that changes nothing costs nothing on the screen).
//
// The main thread never waits for it. Making it idle is a request that the thread honours
// between two passes; it then takes its last bar off itself, so no pass can land on the screen
// after the hiding.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "volume/draw_bar.h"

namespace zv {

class TDrawVolumeBarThread {
 public:
  // Starts the thread idle.
  TDrawVolumeBarThread(platform::ScreenPainter& screen, platform::Sleeper& sleeper);
  // Stops the thread after its current pass and joins it.
  ~TDrawVolumeBarThread();
  TDrawVolumeBarThread(const TDrawVolumeBarThread&) = delete;
  TDrawVolumeBarThread& operator=(const TDrawVolumeBarThread&) = delete;

  // The value the next pass shows; a single word, read by the thread without a lock.
  void SetValue(std::uint32_t value) { FValue.store(value, std::memory_order_relaxed); }
  // Lets the thread run, if it was idle.
  void Wake();
  // Asks the thread to erase the bar and wait for the next Wake.
  void MakeIdle();
  // True while the thread is parked (not painting and not about to).
  bool Parked() const;

 private:
  void Execute();

  TDrawBar FBar;
  platform::ScreenPainter& screen_;
  std::atomic<std::uint32_t> FValue{0};
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool running_ = false;
  bool stop_ = false;
  bool parked_ = true;
  std::thread thread_;
};

}  // namespace zv
