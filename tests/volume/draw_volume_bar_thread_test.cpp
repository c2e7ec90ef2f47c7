// The drawing thread: idle until woken, repainting while it runs, erasing when made idle.
#include "volume/draw_volume_bar_thread.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_screen_painter.h"

namespace zv {
namespace {

class DrawThreadTest : public ::testing::Test {
 protected:
  fake::FakeScreenPainter screen;
  fake::FakeSleeper sleeper;

  bool WaitForPaintings(std::size_t n) {
    return screen.WaitFor(
        [n](const fake::FakeScreenPainter& s) { return s.PaintCountLocked() >= n; });
  }
};

TEST_F(DrawThreadTest, IdleUntilWokenThenRepaintsKeepingUpWithTheValue) {
  TDrawVolumeBarThread thread(screen, sleeper);
  EXPECT_TRUE(thread.Parked());
  EXPECT_EQ(screen.Paintings().size(), 0u);
  thread.SetValue(65535);
  thread.Wake();
  ASSERT_TRUE(WaitForPaintings(3));  // repainted over and over, not once
  thread.SetValue(0);
  ASSERT_TRUE(screen.WaitFor([](const fake::FakeScreenPainter& s) {
    return s.PaintCountLocked() > 0 && s.HideCountLocked() >= 2 && s.BarVisibleLocked();
  }));
  EXPECT_EQ(screen.Paintings().back().text, "0%");
}

TEST_F(DrawThreadTest, MadeIdleItErasesAndStaysQuietUntilWokenAgain) {
  TDrawVolumeBarThread thread(screen, sleeper);
  thread.SetValue(3280);
  thread.Wake();
  ASSERT_TRUE(WaitForPaintings(2));
  thread.MakeIdle();
  ASSERT_TRUE(screen.WaitFor(
      [&](const fake::FakeScreenPainter& s) { return !s.BarVisibleLocked() && thread.Parked(); }));
  std::size_t painted = screen.Paintings().size();
  int hides = screen.Hides();
  thread.Wake();
  ASSERT_TRUE(WaitForPaintings(painted + 1));
  EXPECT_EQ(screen.Hides(), hides);  // same value again: no erasing first
}

}  // namespace
}  // namespace zv
