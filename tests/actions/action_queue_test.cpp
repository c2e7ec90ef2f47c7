// The queue that plays actions from the message loop, one after the other.
#include "engine/actions/action_queue.h"

#include <gtest/gtest.h>

#include <memory>

#include "common/error.h"
#include "platform/fake/fake_scheduler.h"

namespace zv {
namespace {

class ActionQueueTest : public ::testing::Test {
 protected:
  fake::FakeScheduler scheduler;
  std::string log;
  ActionQueue queue{scheduler, [this](const std::string& text) { log += "[" + text + "]"; }};

  ActionQueue::Procedure Say(const std::string& what) {
    return [this, what](ActionSteps& steps) { steps.Run([this, what] { log += what; }); };
  }
};

TEST_F(ActionQueueTest, PlaysActionsInOrderAndOnlyFromTheLoop) {
  queue.Enqueue(Say("a"));
  queue.Enqueue(Say("b"));
  EXPECT_TRUE(queue.Busy());
  EXPECT_EQ(log, "");
  scheduler.RunPending();
  queue.Enqueue(Say("c"));
  scheduler.RunPending();
  EXPECT_EQ(log, "abc");
  EXPECT_FALSE(queue.Busy());
}

TEST_F(ActionQueueTest, WaitsResumeFromTimersAndLaterActionsQueueBehind) {
  queue.Enqueue([this](ActionSteps& steps) {
    steps.Run([this] { log += "1"; });
    steps.Wait(300);
    steps.Run([this] { log += "2"; });
    steps.Wait(0);
    steps.Run([this] { log += "3"; });
  });
  scheduler.RunPending();
  queue.Enqueue(Say("x"));
  scheduler.Advance(299);
  EXPECT_EQ(log, "1");
  EXPECT_EQ(queue.Waiting(), 1u);
  scheduler.Advance(1);
  EXPECT_EQ(log, "123x");
}

TEST_F(ActionQueueTest, ErrorsStopOnlyTheirOwnAction) {
  queue.Enqueue([](ActionSteps&) { throw Error("early"); });
  queue.Enqueue([this](ActionSteps& steps) {
    steps.Run([this] { log += "a"; });
    steps.InBackground([] { throw Error("device"); });
    steps.Run([this] { log += "never"; });
  });
  queue.Enqueue([this](ActionSteps& steps) {
    steps.Wait(10);
    steps.Run([] { throw Error("late"); });
    steps.Run([this] { log += "never"; });
  });
  queue.Enqueue(Say("z"));
  scheduler.RunAll();
  EXPECT_EQ(log, "[early]a[device][late]z");
}

TEST_F(ActionQueueTest, BackgroundWorkHoldsTheQueueUntilItIsDone) {
  queue.Enqueue([this](ActionSteps& steps) {
    steps.InBackground([this] { log += scheduler.InBackground() ? "w" : "?"; });
    steps.Run([this] { log += scheduler.InBackground() ? "?" : "m"; });
  });
  queue.Enqueue(Say("n"));
  scheduler.RunAll();
  EXPECT_EQ(log, "wmn");
}

TEST(ActionQueueLifetime, TimersOutlivingTheQueueDoNothing) {
  fake::FakeScheduler scheduler;
  int ran = 0;
  {
    ActionQueue queue(scheduler, nullptr);
    queue.Enqueue([&ran](ActionSteps& steps) {
      steps.Wait(100);
      steps.Run([&ran] { ++ran; });
    });
    scheduler.RunPending();
  }
  scheduler.RunAll();
  EXPECT_EQ(ran, 0);
}

// The program's end: a device command waiting for the worker must not run once what it uses is
// gone (under the sanitizers, running it would read freed memory).
TEST(ActionQueueLifetime, WorkForTheWorkerNeverOutlivesTheQueue) {
  fake::FakeScheduler scheduler;
  struct Owner {
    std::string device = "tray";
    std::string* log;
    ActionQueue queue;
    Owner(fake::FakeScheduler& s, std::string* l) : log(l), queue(s, nullptr) {}
  };
  std::string log;
  auto owner = std::make_unique<Owner>(scheduler, &log);
  Owner* o = owner.get();
  owner->queue.Enqueue([o](ActionSteps& steps) {
    steps.InBackground([o] { *o->log += o->device; });
    steps.Run([o] { *o->log += "+then"; });
  });
  ASSERT_TRUE(scheduler.RunOne());  // the action starts and hands its command to the worker
  EXPECT_FALSE(scheduler.Idle());
  owner.reset();
  scheduler.RunAll();
  EXPECT_EQ(log, "");
  EXPECT_TRUE(scheduler.Idle());
}

TEST_F(ActionQueueTest, RetriesUntilTheAttemptSucceedsOrTheTimeIsUp) {
  int tries = 0;
  queue.Enqueue([&](ActionSteps& steps) {
    steps.Retry([&] { return ++tries == 3; }, 10, 50, [] { throw Error("never"); });
    steps.Run([this] { log += "ok@" + std::to_string(scheduler.Now()); });
  });
  queue.Enqueue([&](ActionSteps& steps) {
    steps.Retry([] { return false; }, 10, 50,
                [this] { throw Error("gave up@" + std::to_string(scheduler.Now())); });
    steps.Run([this] { log += "never"; });
  });
  queue.Enqueue(Say("z"));
  scheduler.RunAll();
  EXPECT_EQ(log, "ok@20[gave up@70]z");
}

}  // namespace
}  // namespace zv
