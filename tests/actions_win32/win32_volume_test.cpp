// The two ways to the master volume, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_audio_volume.h"

namespace zv::win32 {
namespace {

// Either way to the volume either works both ways or not at all; what it sets, it reads back.
void CheckRoundTrip(platform::AudioVolume& volume, const char* name) {
  std::uint16_t before = 0;
  bool reachable = volume.GetVolume(before);
  ::testing::Test::RecordProperty(name, reachable ? "reachable" : "missing");
  if (!reachable) {
    EXPECT_FALSE(volume.SetVolume(1234)) << name;
    return;
  }
  for (std::uint16_t v : {std::uint16_t{0}, std::uint16_t{3280}, std::uint16_t{65535}}) {
    ASSERT_TRUE(volume.SetVolume(v)) << name;
    std::uint16_t back = 0;
    ASSERT_TRUE(volume.GetVolume(back)) << name;
    EXPECT_EQ(back, v) << name;
  }
  volume.SetVolume(before);
}

TEST(Win32AudioVolume, EndpointAndMixerReadBackWhatTheySet) {
  Win32EndpointVolume endpoint;
  Win32MixerVolume mixer;
  CheckRoundTrip(endpoint, "endpoint");
  CheckRoundTrip(mixer, "mixer");
}

// Each way is set up once and kept; what it keeps is the way, never the value: a change made
// elsewhere meanwhile is read, and the next step starts from it.
template <class Volume>
void CheckKeptOpen(const char* name) {
  Volume kept, other;
  std::uint16_t before = 0;
  if (!kept.GetVolume(before)) return;  // not on this machine: the round trip says so
  ASSERT_TRUE(other.SetVolume(20000)) << name;
  std::uint16_t seen = 0;
  ASSERT_TRUE(kept.GetVolume(seen)) << name;
  EXPECT_EQ(seen, 20000) << name;
  ASSERT_TRUE(kept.SetVolume(30000)) << name;
  ASSERT_TRUE(other.GetVolume(seen)) << name;
  EXPECT_EQ(seen, 30000) << name;
  kept.SetVolume(before);
}

TEST(Win32AudioVolume, KeptOpenAndStillSeesChangesMadeElsewhere) {
  CheckKeptOpen<Win32EndpointVolume>("endpoint");
  CheckKeptOpen<Win32MixerVolume>("mixer");
}

}  // namespace
}  // namespace zv::win32
