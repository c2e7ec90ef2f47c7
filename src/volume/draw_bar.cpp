#include "volume/draw_bar.h"

#include <string>

namespace zv {

void ClearBar(platform::ScreenPainter& screen) {
  screen.HideBar();
}

int TDrawBar::FillWidth(std::int64_t value) const {
  return static_cast<int>(static_cast<double>(value * FWidth) / static_cast<double>(FMaxValue));
}

platform::BarPicture TDrawBar::Picture(std::int64_t value, int screenWidth,
                                       int screenHeight) const {
  int left = (screenWidth - FWidth) / 2;
  int top = screenHeight - 100;
  int bottom = top + FHeight;
  int fill = FillWidth(value);
  platform::BarPicture p;
  p.filled = {left, top, left + fill, bottom};
  p.empty = {left + fill, top, left + FWidth, bottom};
  p.textX = left;
  p.textY = top - 30;
  double percent = static_cast<double>(value) / static_cast<double>(FMaxValue) * 100;
  p.text = std::to_string(static_cast<long long>(percent)) + "%";
  return p;
}

void TDrawBar::Draw(std::int64_t value) {
  platform::BarPicture picture = Picture(value, screen_.ScreenWidth(), screen_.ScreenHeight());
  if (value != FLastValue) {
    ClearBar(screen_);
    sleeper_.Sleep(100);
    FLastValue = value;
  }
  screen_.PaintBar(picture);
}

}  // namespace zv
