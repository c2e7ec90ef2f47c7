// The virtual clock that the action tests rely on.
#include "platform/fake/fake_scheduler.h"

#include <gtest/gtest.h>

#include <string>

namespace zv::fake {
namespace {

TEST(FakeScheduler, TimersFireInTimeOrderThenInStartOrder) {
  FakeScheduler s;
  std::string log;
  s.StartTimer(30, [&] { log += "c" + std::to_string(s.Now()); });
  s.StartTimer(10, [&] { log += "a" + std::to_string(s.Now()); });
  s.StartTimer(10, [&] { log += "b" + std::to_string(s.Now()); });
  platform::TimerId cancelled = s.StartTimer(20, [&] { log += "x"; });
  s.CancelTimer(cancelled);
  s.CancelTimer(999);
  s.Advance(15);
  EXPECT_EQ(log, "a10b10");
  EXPECT_EQ(s.Now(), 15);
  s.RunAll();
  EXPECT_EQ(log, "a10b10c30");
  EXPECT_TRUE(s.Idle());
}

TEST(FakeScheduler, PostedWorkRunsBeforeTheWorkerAndThenIsPosted) {
  FakeScheduler s;
  std::string log;
  s.RunInBackground([&] { log += s.InBackground() ? "W" : "?"; }, [&] { log += "T"; });
  s.Post([&] {
    log += "p";
    s.Post([&] { log += "q"; });
  });
  s.RunPending();
  EXPECT_EQ(log, "pqWT");
  EXPECT_EQ(s.Now(), 0);
}

}  // namespace
}  // namespace zv::fake
