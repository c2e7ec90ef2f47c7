#pragma once
#include "platform/screen_painter.h"

namespace zv::win32 {

// Paints on the device context of the whole screen (GetDC with no window).
class Win32ScreenPainter : public platform::ScreenPainter {
 public:
  int ScreenWidth() override;
  int ScreenHeight() override;
  void PaintBar(const platform::BarPicture& picture) override;
  void RepaintDesktop() override;
};

}  // namespace zv::win32
