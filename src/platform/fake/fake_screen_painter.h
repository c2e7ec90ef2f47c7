#pragma once
// A screen that keeps what was painted on it, for the drawing thread and the test thread alike.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "platform/fake/journal.h"
#include "platform/screen_painter.h"
#include "platform/sleeper.h"

namespace zv::fake {

class FakeScreenPainter : public platform::ScreenPainter {
 public:
  FakeScreenPainter(int width = 1024, int height = 768, Journal* journal = nullptr)
      : width_(width), height_(height), journal_(journal) {}
  int ScreenWidth() override { return width_; }
  int ScreenHeight() override { return height_; }
  void PaintBar(const platform::BarPicture& picture) override;
  void HideBar() override;

  std::vector<platform::BarPicture> Paintings() const;
  int Hides() const;
  // True when the bar is on the screen: painted after it was last hidden.
  bool BarVisible() const;
  // Waits (at most about ten seconds) until done() holds; for tests of the drawing thread.
  // Looks again every few milliseconds, since done() may also watch state kept elsewhere.
  template <class Pred>
  bool WaitFor(Pred done) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    std::unique_lock<std::mutex> lock(mutex_);
    while (!done(*this)) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      changed_.wait_for(lock, std::chrono::milliseconds(5));
    }
    return true;
  }
  // Counts without locking, for use inside WaitFor's predicate only.
  std::size_t PaintCountLocked() const { return paintings_.size(); }
  int HideCountLocked() const { return hides_; }
  bool BarVisibleLocked() const { return visible_; }
  std::string LastTextLocked() const {
    return paintings_.empty() ? std::string() : paintings_.back().text;
  }

 private:
  int width_, height_;
  Journal* journal_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<platform::BarPicture> paintings_;
  int hides_ = 0;
  bool visible_ = false;
};

// Sleeps that only write down their length ("sleep:100").
class FakeSleeper : public platform::Sleeper {
 public:
  explicit FakeSleeper(Journal* journal = nullptr) : journal_(journal) {}
  void Sleep(int ms) override;

 private:
  Journal* journal_;
};

}  // namespace zv::fake
