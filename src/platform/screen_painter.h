#pragma once
// Painting straight onto the screen's device context, over every window.
#include <string>

namespace zv::platform {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// One pass of the volume bar: both rectangles with a green outline, the filled part green
// and the empty part yellow; the text green, 15 point, no background, top-left at text.
struct BarPicture {
  Rect filled;
  Rect empty;
  int textX = 0, textY = 0;
  std::string text;
};

class ScreenPainter {
 public:
  virtual ~ScreenPainter() = default;
  // The primary screen's size in pixels (GetSystemMetrics).
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
  // Takes the screen's device context, paints, and releases it whatever happened.
  virtual void PaintBar(const BarPicture& picture) = 0;
  // Makes the desktop and every window repaint themselves over whatever was painted.
  virtual void RepaintDesktop() = 0;
};

}  // namespace zv::platform
