#include "volume/draw_volume_bar_thread.h"

#include <chrono>

namespace zv {

TDrawVolumeBarThread::TDrawVolumeBarThread(platform::ScreenPainter& screen,
                                           platform::Sleeper& sleeper)
    : FBar(screen, sleeper), screen_(screen) {
  thread_ = std::thread([this] { Execute(); });
}

TDrawVolumeBarThread::~TDrawVolumeBarThread() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void TDrawVolumeBarThread::Wake() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    running_ = true;
  }
  wake_.notify_all();
}

void TDrawVolumeBarThread::MakeIdle() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    running_ = false;
  }
  wake_.notify_all();
}

bool TDrawVolumeBarThread::Parked() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return parked_;
}

// The lock is never held while painting: the flags are only read between passes.
void TDrawVolumeBarThread::Execute() {
  bool painted = false;
  std::unique_lock<std::mutex> lock(mutex_);
  while (!stop_) {
    if (!running_) {
      if (painted) {
        lock.unlock();
        ClearBar(screen_);
        painted = false;
        lock.lock();
        continue;  // a Wake may have come meanwhile
      }
      parked_ = true;
      wake_.wait(lock, [this] { return running_ || stop_; });
      parked_ = false;
      continue;
    }
    lock.unlock();
    FBar.Draw(FValue.load(std::memory_order_relaxed));
    painted = true;
    lock.lock();
    wake_.wait_for(lock, std::chrono::milliseconds(20), [this] { return !running_ || stop_; });
  }
}

}  // namespace zv
