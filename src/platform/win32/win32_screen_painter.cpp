#include "platform/win32/win32_screen_painter.h"

#include <windows.h>

namespace zv::win32 {

namespace {
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr int kTextPoints = 15;
}  // namespace

int Win32ScreenPainter::ScreenWidth() {
  return GetSystemMetrics(SM_CXSCREEN);
}
int Win32ScreenPainter::ScreenHeight() {
  return GetSystemMetrics(SM_CYSCREEN);
}

void Win32ScreenPainter::PaintBar(const platform::BarPicture& p) {
  HDC dc = GetDC(nullptr);
  if (!dc) return;
  HPEN pen = CreatePen(PS_SOLID, 1, kGreen);
  HBRUSH green = CreateSolidBrush(kGreen);
  HBRUSH yellow = CreateSolidBrush(kYellow);
  int height = -MulDiv(kTextPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
  HFONT font =
      CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, green);
  Rectangle(dc, p.filled.left, p.filled.top, p.filled.right, p.filled.bottom);
  SelectObject(dc, yellow);
  Rectangle(dc, p.empty.left, p.empty.top, p.empty.right, p.empty.bottom);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kGreen);
  TextOutA(dc, p.textX, p.textY, p.text.c_str(), static_cast<int>(p.text.size()));
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(font);
  DeleteObject(yellow);
  DeleteObject(green);
  DeleteObject(pen);
  ReleaseDC(nullptr, dc);
}

void Win32ScreenPainter::RepaintDesktop() {
  RedrawWindow(GetDesktopWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace zv::win32
