// The volume bar on the real screen. Run inside a Wine virtual desktop: without one, Wine's
// desktop window is not shown and does not repaint over what was painted on the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_devices.h"
#include "platform/win32/win32_scheduler.h"
#include "platform/win32/win32_screen_painter.h"
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

TEST(Win32ScreenPainter, PaintsTheBarOnTheScreenAndRepaintingErasesIt) {
  Win32ScreenPainter screen;
  EXPECT_EQ(screen.ScreenWidth(), GetSystemMetrics(SM_CXSCREEN));
  Win32Sleeper sleeper;
  TDrawBar bar(screen, sleeper);
  platform::BarPicture p = bar.Picture(32768, screen.ScreenWidth(), screen.ScreenHeight());
  screen.PaintBar(p);
  int midY = (p.filled.top + p.filled.bottom) / 2;
  EXPECT_EQ(ScreenPixel(p.filled.left + 50, midY), RGB(0, 255, 0));
  EXPECT_EQ(ScreenPixel(p.empty.left + 50, midY), RGB(255, 255, 0));
  EXPECT_EQ(ScreenPixel(p.filled.left, p.filled.top), RGB(0, 255, 0));  // the green outline
  EXPECT_EQ(ScreenPixel(p.empty.right - 1, p.empty.top), RGB(0, 255, 0));
  screen.RepaintDesktop();
  EXPECT_TRUE(testing_win32::PumpUntil(
      [&] { return ScreenPixel(p.filled.left + 50, midY) != RGB(0, 255, 0); }, 5000));
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
  Win32ScreenPainter screen;
  Win32Sleeper sleeper;
  TVolume volume(none, none, scheduler, screen, sleeper);
  int left = (screen.ScreenWidth() - 300) / 2, midY = screen.ScreenHeight() - 80;
  auto green = [&] { return ScreenPixel(left + 100, midY) == RGB(0, 255, 0); };
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
