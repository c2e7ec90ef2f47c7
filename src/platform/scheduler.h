#pragma once
// Work for the main thread, timers and a worker thread. The main thread never waits: whatever
// must happen later is posted or timed here and runs from the message loop, and calls that
// block run on the worker.
#include <cstdint>
#include <functional>

namespace zv::platform {

using TimerId = std::uint64_t;
using JobId = std::uint64_t;

class Scheduler {
 public:
  virtual ~Scheduler() = default;
  // Runs work on the main thread from the message loop, after the current message, in the
  // order of the calls. May be called from any thread.
  virtual void Post(std::function<void()> work) = 0;
  // Runs work once on the main thread after at least ms milliseconds. Main thread only.
  virtual TimerId StartTimer(int ms, std::function<void()> work) = 0;
  // A timer that has not fired yet never fires. Unknown or fired ids are ignored.
  virtual void CancelTimer(TimerId id) = 0;
  // Runs work on the worker thread (one job at a time, in order), then posts then.
  virtual JobId RunInBackground(std::function<void()> work, std::function<void()> then) = 0;
  // A job that has not started never runs; one that is running is waited for. Either way its
  // then never runs. Whoever owns what a job uses calls this before destroying it. Main thread
  // only (a job must not wait for the main thread); unknown or finished ids return at once.
  virtual void CancelBackground(JobId id) = 0;
};

}  // namespace zv::platform
