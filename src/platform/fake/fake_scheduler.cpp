#include "platform/fake/fake_scheduler.h"

#include <stdexcept>

namespace zv::fake {

void FakeScheduler::Post(std::function<void()> work) {
  posted_.push_back(std::move(work));
}

platform::TimerId FakeScheduler::StartTimer(int ms, std::function<void()> work) {
  platform::TimerId id = nextId_++;
  timers_.emplace(std::make_pair(now_ + (ms < 0 ? 0 : ms), id), std::move(work));
  return id;
}

void FakeScheduler::CancelTimer(platform::TimerId id) {
  for (auto it = timers_.begin(); it != timers_.end(); ++it) {
    if (it->first.second == id) {
      timers_.erase(it);
      return;
    }
  }
}

platform::JobId FakeScheduler::RunInBackground(std::function<void()> work,
                                               std::function<void()> then) {
  background_.push_back({nextJob_, std::move(work), std::move(then)});
  return nextJob_++;
}

// Jobs run on the test's own thread, so a job is never running while the test cancels it.
void FakeScheduler::CancelBackground(platform::JobId id) {
  for (auto it = background_.begin(); it != background_.end(); ++it) {
    if (it->id == id) {
      background_.erase(it);
      return;
    }
  }
}

// Posted work first, as the message loop would find it; the worker's job when nothing is posted.
bool FakeScheduler::RunOne() {
  if (!posted_.empty()) {
    std::function<void()> work = std::move(posted_.front());
    posted_.pop_front();
    work();
    return true;
  }
  if (!background_.empty()) {
    Job job = std::move(background_.front());
    background_.pop_front();
    inBackground_ = true;
    job.work();
    inBackground_ = false;
    Post(std::move(job.then));
    return true;
  }
  return false;
}

void FakeScheduler::RunPending() {
  for (int guard = 0; RunOne(); ++guard) {
    if (guard > 1000000) throw std::logic_error("FakeScheduler: posted work never ends");
  }
}

void FakeScheduler::Advance(long long ms) {
  long long until = now_ + ms;
  RunPending();
  while (!timers_.empty() && timers_.begin()->first.first <= until) {
    auto it = timers_.begin();
    now_ = it->first.first;
    std::function<void()> work = std::move(it->second);
    timers_.erase(it);
    work();
    RunPending();
  }
  now_ = until;
}

void FakeScheduler::RunAll() {
  RunPending();
  for (int guard = 0; !timers_.empty(); ++guard) {
    if (guard > 1000000) throw std::logic_error("FakeScheduler: timers never end");
    Advance(timers_.begin()->first.first - now_);
  }
}

}  // namespace zv::fake
