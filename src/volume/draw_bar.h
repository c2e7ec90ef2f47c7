#pragma once
// The volume bar: where it goes on the screen and one painting pass of it.
#include <cstdint>

#include "platform/screen_painter.h"
#include "platform/sleeper.h"

namespace zv {

// Takes the bar off the screen.
void ClearBar(platform::ScreenPainter& screen);

class TDrawBar {
 public:
  TDrawBar(platform::ScreenPainter& screen, platform::Sleeper& sleeper)
      : screen_(screen), sleeper_(sleeper) {}

  // Length in pixels of the filled part for value: value * FWidth / FMaxValue, truncated.
  int FillWidth(std::int64_t value) const;
  // The picture of value on a screen of the given size: centred, 100 pixels above the bottom
  // edge, the percentage 30 pixels above the bar.
  platform::BarPicture Picture(std::int64_t value, int screenWidth, int screenHeight) const;
  // One painting pass. A value other than the last one takes the old bar off first and shows
  // the new one 100 ms later, so that the change catches the eye.
  void Draw(std::int64_t value);

  int FHeight = 40;
  int FWidth = 300;
  std::int64_t FMaxValue = 65535;
  std::int64_t FLastValue = 0;

 private:
  platform::ScreenPainter& screen_;
  platform::Sleeper& sleeper_;
};

}  // namespace zv
