#include "platform/fake/fake_screen_painter.h"

#include <string>

namespace zv::fake {

void FakeScreenPainter::PaintBar(const platform::BarPicture& picture) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    paintings_.push_back(picture);
    visible_ = true;
  }
  if (journal_) journal_->Add("paint:" + picture.text);
  changed_.notify_all();
}

void FakeScreenPainter::HideBar() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ++hides_;
    visible_ = false;
  }
  if (journal_) journal_->Add("hide");
  changed_.notify_all();
}

std::vector<platform::BarPicture> FakeScreenPainter::Paintings() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return paintings_;
}

int FakeScreenPainter::Hides() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return hides_;
}

bool FakeScreenPainter::BarVisible() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return visible_;
}

void FakeSleeper::Sleep(int ms) {
  if (journal_) journal_->Add("sleep:" + std::to_string(ms));
}

}  // namespace zv::fake
