// Where the volume bar goes and what one painting pass does.
#include "volume/draw_bar.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_screen_painter.h"

namespace zv {
namespace {

class DrawBarTest : public ::testing::Test {
 protected:
  fake::Journal journal;
  fake::FakeScreenPainter screen{1024, 768, &journal};
  fake::FakeSleeper sleeper{&journal};
  TDrawBar bar{screen, sleeper};
};

TEST_F(DrawBarTest, FillWidthIsTruncated) {
  EXPECT_EQ(bar.FillWidth(65535), 300);
  EXPECT_EQ(bar.FillWidth(32768), 150);
  EXPECT_EQ(bar.FillWidth(3280), 15);
  EXPECT_EQ(bar.FillWidth(0), 0);
  EXPECT_EQ(bar.FillWidth(218), 0);      // 0.998 pixels
  EXPECT_EQ(bar.FillWidth(219), 1);      // 1.0025 pixels
  EXPECT_EQ(bar.FillWidth(65316), 298);  // 298.998 pixels
  EXPECT_EQ(bar.FillWidth(65317), 299);
}

TEST_F(DrawBarTest, BarSitsCentredAboveTheBottomEdge) {
  platform::BarPicture p = bar.Picture(32768, 1024, 768);
  EXPECT_EQ(p.filled, (platform::Rect{362, 668, 512, 708}));
  EXPECT_EQ(p.empty, (platform::Rect{512, 668, 662, 708}));
  EXPECT_EQ(p.textX, 362);
  EXPECT_EQ(p.textY, 638);
  EXPECT_EQ(p.text, "50%");
  p = bar.Picture(65535, 1920, 1080);
  EXPECT_EQ(p.filled, (platform::Rect{810, 980, 1110, 1020}));
  EXPECT_EQ(p.empty, (platform::Rect{1110, 980, 1110, 1020}));
}

TEST_F(DrawBarTest, TextIsTheTruncatedPercentage) {
  EXPECT_EQ(bar.Picture(0, 1024, 768).text, "0%");
  EXPECT_EQ(bar.Picture(65535, 1024, 768).text, "100%");
  EXPECT_EQ(bar.Picture(3280, 1024, 768).text, "5%");
  EXPECT_EQ(bar.Picture(65534, 1024, 768).text, "99%");
  platform::BarPicture empty = bar.Picture(0, 1024, 768);
  EXPECT_EQ(empty.filled, (platform::Rect{362, 668, 362, 708}));  // all yellow
  EXPECT_EQ(empty.empty, (platform::Rect{362, 668, 662, 708}));
}

TEST_F(DrawBarTest, NarrowScreenGivesANegativeLeft) {
  platform::BarPicture p = bar.Picture(65535, 200, 150);
  EXPECT_EQ(p.filled, (platform::Rect{-50, 50, 250, 90}));
  EXPECT_EQ(bar.Picture(0, 299, 150).filled.left, 0);  // -1 / 2 truncates toward zero
}

TEST_F(DrawBarTest, NewValueErasesFirstAndWaitsBeforePainting) {
  bar.Draw(3280);
  bar.Draw(3280);
  bar.Draw(0);
  EXPECT_EQ(journal.Text(), "hide sleep:100 paint:5% paint:5% hide sleep:100 paint:0%");
  EXPECT_EQ(bar.FLastValue, 0);
  EXPECT_EQ(screen.Paintings().at(0).filled.right, 362 + 15);
}

TEST_F(DrawBarTest, FirstPassAtTheStartingValuePaintsWithoutErasing) {
  bar.Draw(0);
  EXPECT_EQ(journal.Text(), "paint:0%");
}

}  // namespace
}  // namespace zv
