#include "platform/win32/win32_bar_window.h"

#include <algorithm>
#include <vector>

#include "common/private_messages.h"

namespace zv::win32 {

namespace {
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kSeeThrough = RGB(255, 0, 255);  // never part of the bar
constexpr int kTextPoints = 15;
constexpr char kClassName[] = "ZorvaneVolumeBar";
constexpr DWORD kExStyle =
    WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
// The pixels of a top-down 32-bit picture that are not see-through, as a region of one
// rectangle per run of such pixels in a row.
HRGN OpaqueRegion(const DWORD* pixels, int width, int height) {
  std::vector<RECT> runs;
  constexpr DWORD kKey = 0xFF00FF;  // kSeeThrough as a DIB pixel
  for (int y = 0; y < height; ++y) {
    const DWORD* row = pixels + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width;) {
      while (x < width && (row[x] & 0xFFFFFF) == kKey) ++x;
      int start = x;
      while (x < width && (row[x] & 0xFFFFFF) != kKey) ++x;
      if (x > start) runs.push_back({start, y, x, y + 1});
    }
  }
  std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  *header = {sizeof(RGNDATAHEADER),
             RDH_RECTANGLES,
             static_cast<DWORD>(runs.size()),
             static_cast<DWORD>(runs.size() * sizeof(RECT)),
             {0, 0, width, height}};
  if (!runs.empty())
    std::copy(runs.begin(), runs.end(), reinterpret_cast<RECT*>(data.data() + sizeof *header));
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                         reinterpret_cast<RGNDATA*>(data.data()));
}

}  // namespace

Win32BarWindow::Win32BarWindow() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);  // fails harmlessly when a second bar registers it again
  window_ = CreateWindowExA(kExStyle, kClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                            wc.hInstance, nullptr);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetLayeredWindowAttributes(window_, 0, 255, LWA_ALPHA);
  HDC screen = GetDC(nullptr);
  int height = -MulDiv(kTextPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  // Without smoothing: smoothed edges would mix with the see-through colour into a pink fringe.
  font_ =
      CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
}

Win32BarWindow::~Win32BarWindow() {
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
  DeleteObject(font_);
}

int Win32BarWindow::ScreenWidth() {
  return GetSystemMetrics(SM_CXSCREEN);
}
int Win32BarWindow::ScreenHeight() {
  return GetSystemMetrics(SM_CYSCREEN);
}

void Win32BarWindow::PaintBar(const platform::BarPicture& picture) {
  Want(true, &picture);
}

void Win32BarWindow::HideBar() {
  Want(false, nullptr);
}

// The drawing thread repeats itself about 50 times a second: only a change is posted, and only
// one note is on its way at a time.
void Win32BarWindow::Want(bool shown, const platform::BarPicture* picture) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (shown == shownWanted_ && (!picture || *picture == wanted_)) return;
  shownWanted_ = shown;
  if (picture) wanted_ = *picture;
  if (!notePosted_) notePosted_ = PostMessageA(window_, WM_BARSYNC, 0, 0) != FALSE;
}

// On the window's thread: brings the window in line with the latest wish.
void Win32BarWindow::Sync() {
  bool shown;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    notePosted_ = false;
    shown = shownWanted_;
    shown_ = wanted_;
  }
  if (!shown) {
    ShowWindow(window_, SW_HIDE);
    return;
  }
  const platform::BarPicture& p = shown_;
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font_);
  SIZE text = {0, 0};
  GetTextExtentPoint32A(screen, p.text.c_str(), static_cast<int>(p.text.size()), &text);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  int left = std::min({p.filled.left, p.empty.left, p.textX});
  int top = std::min({p.filled.top, p.empty.top, p.textY});
  int right = std::max({p.filled.right, p.empty.right, p.textX + static_cast<int>(text.cx)});
  int bottom = std::max({p.filled.bottom, p.empty.bottom, p.textY + static_cast<int>(text.cy)});
  origin_ = {left, top};
  SIZE size = {right - left, bottom - top};
  SetWindowPos(window_, HWND_TOPMOST, left, top, size.cx, size.cy, SWP_NOACTIVATE | SWP_NOREDRAW);
  SetWindowRgn(window_, ShapeOf(size), FALSE);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  InvalidateRect(window_, nullptr, TRUE);
  UpdateWindow(window_);
}

// The window's shape: the pixels the bar and its text cover. A region, not a colour key: where
// nothing composes the screen (X without a compositor, under Wine) a key shows as black.
HRGN Win32BarWindow::ShapeOf(SIZE size) {
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP picture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!picture) return nullptr;  // no region: the whole rectangle
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture);
  Paint(dc, size);
  GdiFlush();
  HRGN shape = OpaqueRegion(static_cast<const DWORD*>(bits), size.cx, size.cy);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(picture);
  return shape;
}

// Both rectangles with a green outline, the filled part green and the rest yellow; the
// percentage in green above them, on the see-through colour elsewhere.
void Win32BarWindow::Paint(HDC dc, SIZE size) {
  RECT client = {0, 0, size.cx, size.cy};
  HBRUSH seeThrough = CreateSolidBrush(kSeeThrough);
  FillRect(dc, &client, seeThrough);
  DeleteObject(seeThrough);
  SetViewportOrgEx(dc, -origin_.x, -origin_.y, nullptr);  // draw in screen coordinates
  const platform::BarPicture& p = shown_;
  HPEN pen = CreatePen(PS_SOLID, 1, kGreen);
  HBRUSH green = CreateSolidBrush(kGreen);
  HBRUSH yellow = CreateSolidBrush(kYellow);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, green);
  Rectangle(dc, p.filled.left, p.filled.top, p.filled.right, p.filled.bottom);
  SelectObject(dc, yellow);
  Rectangle(dc, p.empty.left, p.empty.top, p.empty.right, p.empty.bottom);
  HGDIOBJ oldFont = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kGreen);
  TextOutA(dc, p.textX, p.textY, p.text.c_str(), static_cast<int>(p.text.size()));
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(yellow);
  DeleteObject(green);
  DeleteObject(pen);
}

LRESULT CALLBACK Win32BarWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* self = reinterpret_cast<Win32BarWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_BARSYNC:
      if (self) self->Sync();
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      RECT client;
      GetClientRect(window, &client);
      if (self) self->Paint(dc, SIZE{client.right, client.bottom});
      EndPaint(window, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace zv::win32
