// The volume controller: which control it reads and sets, and when the bar hides.
#include "volume/volume.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_audio_volume.h"
#include "platform/fake/fake_scheduler.h"
#include "platform/fake/fake_screen_painter.h"

namespace zv {
namespace {

class VolumeTest : public ::testing::Test {
 protected:
  fake::FakeAudioVolume endpoint, mixer;
  fake::FakeScheduler scheduler;
  fake::FakeScreenPainter screen;
  fake::FakeSleeper sleeper;
  TVolume volume{endpoint, mixer, scheduler, screen, sleeper};

  bool WaitUntilPainted(const std::string& text) {
    return screen.WaitFor([&](const fake::FakeScreenPainter& s) {
      return s.BarVisibleLocked() && s.LastTextLocked() == text;
    });
  }
};

TEST_F(VolumeTest, EndpointComesFirst) {
  endpoint.value = 1000;
  mixer.value = 2000;
  EXPECT_EQ(volume.GetVolume(), 1000);
  volume.SetVolume(4280);
  EXPECT_EQ(endpoint.value, 4280);
  EXPECT_EQ(mixer.sets, 0);
}

TEST_F(VolumeTest, MixerStandsInWithoutAnEndpoint) {
  endpoint.available = false;
  mixer.value = 2000;
  EXPECT_EQ(volume.GetVolume(), 2000);
  volume.SetVolume(5280);
  EXPECT_EQ(mixer.value, 5280);
}

TEST_F(VolumeTest, WithoutAnyControlTheLastValueSetStandsIn) {
  endpoint.available = mixer.available = false;
  EXPECT_EQ(volume.GetVolume(), 0);
  volume.SetVolume(3280);
  EXPECT_EQ(volume.GetVolume(), 3280);
  volume.SetVolume(6560);
  EXPECT_EQ(volume.GetVolume(), 6560);
  EXPECT_TRUE(WaitUntilPainted("10%"));  // the bar shows all the same
}

TEST_F(VolumeTest, BarHidesTwoSecondsAfterTheLastChange) {
  volume.SetVolume(32768);
  EXPECT_TRUE(volume.HideTimerEnabled());
  EXPECT_TRUE(WaitUntilPainted("50%"));
  scheduler.Advance(1500);
  volume.SetVolume(65535);  // the count starts again
  scheduler.Advance(1999);
  EXPECT_TRUE(volume.HideTimerEnabled());
  EXPECT_TRUE(WaitUntilPainted("100%"));
  scheduler.Advance(1);
  EXPECT_FALSE(volume.HideTimerEnabled());
  // The drawing thread erases its bar itself once it has stopped painting.
  EXPECT_TRUE(screen.WaitFor([&](const fake::FakeScreenPainter& s) {
    return !s.BarVisibleLocked() && volume.DrawingThread().Parked();
  }));
  std::size_t painted = screen.Paintings().size();
  scheduler.RunAll();
  EXPECT_EQ(screen.Paintings().size(), painted);
  EXPECT_FALSE(screen.BarVisible());
}

}  // namespace
}  // namespace zv
