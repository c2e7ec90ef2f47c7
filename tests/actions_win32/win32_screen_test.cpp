// The volume bar on the real screen. Run inside a Wine virtual desktop, where the screen's
// pixels can be read back with GetPixel.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_bar_window.h"
#include "platform/win32/win32_devices.h"
#include "platform/win32/win32_scheduler.h"
#include "tests/actions_win32/win32_loop.h"
#include "volume/draw_bar.h"
#include "volume/volume.h"

namespace zv::win32 {
namespace {

COLORREF ScreenPixel(int x, int y) {
  HDC dc = GetDC(nullptr);
  COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(nullptr, dc);
  return c;
}

constexpr COLORREF kGreen = RGB(0, 255, 0), kYellow = RGB(255, 255, 0), kWhite = RGB(255, 255, 255);

TEST(Win32BarWindow, ShowsTheBarAboveOtherWindowsAndHidingTouchesNoOtherWindow) {
  Win32BarWindow screen;
  Win32Sleeper sleeper;
  TDrawBar bar(screen, sleeper);
  platform::BarPicture p = bar.Picture(32768, screen.ScreenWidth(), screen.ScreenHeight());
  int midY = (p.filled.top + p.filled.bottom) / 2;
  // A white window under the bar, another one far from it.
  testing_win32::HiddenWindow below(true, p.filled.left - 20, p.textY - 20, 340, 120);
  testing_win32::HiddenWindow elsewhere(true, 0, 0, 200, 200);
  ASSERT_TRUE(testing_win32::PumpUntil(
      [&] { return ScreenPixel(p.empty.right - 50, p.textY + 5) == kWhite; }));
  int paintsElsewhere = elsewhere.paints();

  screen.PaintBar(p);
  ASSERT_TRUE(
      testing_win32::PumpUntil([&] { return ScreenPixel(p.filled.left + 50, midY) == kGreen; }));
  EXPECT_EQ(ScreenPixel(p.empty.left + 50, midY), kYellow);
  EXPECT_EQ(ScreenPixel(p.filled.left, p.filled.top), kGreen);  // the green outline
  EXPECT_EQ(ScreenPixel(p.empty.right - 1, p.empty.top), kGreen);
  // Beside the percentage, inside the bar's window, the window below shows through.
  EXPECT_EQ(ScreenPixel(p.empty.right - 50, p.textY + 5), kWhite);
  DWORD style = static_cast<DWORD>(GetWindowLongA(screen.Window(), GWL_EXSTYLE));
  for (DWORD flag : std::initializer_list<DWORD>{WS_EX_LAYERED, WS_EX_TRANSPARENT, WS_EX_TOPMOST,
                                                 WS_EX_TOOLWINDOW, WS_EX_NOACTIVATE})
    EXPECT_EQ(style & flag, flag) << std::hex << flag;
  EXPECT_NE(GetForegroundWindow(), screen.Window());
  // The mouse reaches the window below: the bar lets clicks through.
  EXPECT_EQ(WindowFromPoint(POINT{p.filled.left + 50, midY}), below.handle());

  screen.HideBar();
  EXPECT_TRUE(
      testing_win32::PumpUntil([&] { return ScreenPixel(p.filled.left + 50, midY) == kWhite; }));
  testing_win32::PumpFor(200);
  EXPECT_EQ(elsewhere.paints(), paintsElsewhere);
}

// No volume control at all, as on this machine's Wine without a sound server.
class MissingVolume : public platform::AudioVolume {
 public:
  bool GetVolume(std::uint16_t&) override { return false; }
  bool SetVolume(std::uint16_t) override { return false; }
};

TEST(Win32Volume, BarShowsForTwoSecondsAfterTheLastChange) {
  MissingVolume none;
  Win32Scheduler scheduler;
  Win32BarWindow screen;
  Win32Sleeper sleeper;
  TVolume volume(none, none, scheduler, screen, sleeper);
  int left = (screen.ScreenWidth() - 300) / 2, midY = screen.ScreenHeight() - 80;
  auto green = [&] { return ScreenPixel(left + 100, midY) == kGreen; };
  volume.SetVolume(65535);
  ASSERT_TRUE(testing_win32::PumpUntil(green, 5000));
  DWORD shown = GetTickCount();
  EXPECT_EQ(volume.GetVolume(), 65535);  // the last value set stands in
  ASSERT_TRUE(testing_win32::PumpUntil([&] { return !volume.HideTimerEnabled(); }, 5000));
  EXPECT_GE(GetTickCount() - shown, 1500u);
  EXPECT_TRUE(testing_win32::PumpUntil([&] { return !green(); }, 5000));
  EXPECT_TRUE(testing_win32::PumpUntil([&] { return volume.DrawingThread().Parked(); }, 5000));
}

}  // namespace
}  // namespace zv::win32
