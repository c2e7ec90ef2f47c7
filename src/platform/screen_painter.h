#pragma once
// Where the volume bar shows: above every window, in a window of its own that lets the mouse
// through, so that hiding it touches no other window.
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
  bool operator==(const BarPicture& o) const {
    return filled == o.filled && empty == o.empty && textX == o.textX && textY == o.textY &&
           text == o.text;
  }
};

class ScreenPainter {
 public:
  virtual ~ScreenPainter() = default;
  // The primary screen's size in pixels (GetSystemMetrics).
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
  // Shows the bar as picture, in screen coordinates. May be called from any thread, and
  // returns without waiting for the screen.
  virtual void PaintBar(const BarPicture& picture) = 0;
  // Takes the bar off the screen. Any thread, without waiting.
  virtual void HideBar() = 0;
};

}  // namespace zv::platform
