#pragma once
// What every Scheduler does, checked against the fake natively and the Win32 one under Wine.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/scheduler.h"

namespace zv::contract {

struct SchedulerEnv {
  virtual ~SchedulerEnv() = default;
  virtual platform::Scheduler& scheduler() = 0;
  // Lets the main thread's loop run until done() holds; false if it never does.
  virtual bool RunUntil(const std::function<bool()>& done) = 0;
  // True when called from the worker rather than the main thread.
  virtual bool OnWorker() = 0;
};

std::unique_ptr<SchedulerEnv> MakeSchedulerEnv();  // provided by each test program

class SchedulerContract : public ::testing::Test {
 protected:
  std::unique_ptr<SchedulerEnv> env = MakeSchedulerEnv();
  platform::Scheduler& scheduler = env->scheduler();
  // Work on the worker and on the main thread write the log at the same time.
  void Append(const std::string& what) {
    std::lock_guard<std::mutex> lock(logMutex_);
    log_ += what;
  }
  std::string Log() {
    std::lock_guard<std::mutex> lock(logMutex_);
    return log_;
  }
  std::function<void()> Say(const std::string& what) {
    return [this, what] { Append(what); };
  }

 private:
  std::mutex logMutex_;
  std::string log_;
};

TEST_F(SchedulerContract, PostedWorkRunsLaterAndInOrder) {
  scheduler.Post(Say("a"));
  scheduler.Post([this] {
    Append("b");
    scheduler.Post(Say("d"));
  });
  scheduler.Post(Say("c"));
  EXPECT_EQ(Log(), "");
  ASSERT_TRUE(env->RunUntil([this] { return Log().size() == 4; }));
  EXPECT_EQ(Log(), "abcd");
}

TEST_F(SchedulerContract, TimersFireByDueTimeAndCancelledOnesNever) {
  scheduler.StartTimer(250, Say("late."));
  platform::TimerId cancelled = scheduler.StartTimer(60, Say("cancelled."));
  scheduler.StartTimer(20, Say("early."));
  scheduler.CancelTimer(cancelled);
  scheduler.CancelTimer(cancelled);  // twice is harmless
  EXPECT_EQ(Log(), "");
  ASSERT_TRUE(env->RunUntil([this] { return Log().find("late.") != std::string::npos; }));
  EXPECT_EQ(Log(), "early.late.");
}

TEST_F(SchedulerContract, BackgroundWorkRunsOnTheWorkerAndThenComesBack) {
  auto where = [this](const std::string& name) {
    return [this, name] { Append(name + (env->OnWorker() ? "@worker." : "@main.")); };
  };
  scheduler.RunInBackground(where("w1"), where("t1"));
  scheduler.RunInBackground(where("w2"), where("t2"));
  ASSERT_TRUE(env->RunUntil([this] { return Log().find("t2") != std::string::npos; }));
  std::string log = Log();
  EXPECT_NE(log.find("w1@worker."), std::string::npos) << log;
  EXPECT_NE(log.find("w2@worker."), std::string::npos) << log;
  EXPECT_LT(log.find("w1"), log.find("t1")) << log;
  EXPECT_LT(log.find("w1"), log.find("w2")) << log;
  EXPECT_LT(log.find("t1@main."), log.find("t2@main.")) << log;
}

TEST_F(SchedulerContract, WorkPostedFromTheWorkerArrivesBeforeItsThen) {
  scheduler.RunInBackground(
      [this] {
        scheduler.Post(Say("p1."));
        scheduler.Post(Say("p2."));
      },
      Say("then."));
  ASSERT_TRUE(env->RunUntil([this] { return Log().find("then.") != std::string::npos; }));
  EXPECT_EQ(Log(), "p1.p2.then.");
}

}  // namespace zv::contract
