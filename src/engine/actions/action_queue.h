#pragma once
// Runs actions one after the other from the message loop, never inside the keyboard hook.
//
// Windows removes a low-level hook that takes longer than its timeout, and the hook runs on
// the main thread, so an action is only queued while the hook is busy. It starts once the
// hook has returned; an action that arrives while another one waits (a key sequence's delay)
// queues behind it. Keys that are merely remapped do not queue and pass at once.
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "engine/actions/action_steps.h"
#include "platform/scheduler.h"

namespace zv {

class ActionQueue {
 public:
  using Procedure = std::function<void(ActionSteps&)>;
  // Shows an error's text to the user; the action that raised it has stopped.
  using ErrorSink = std::function<void(const std::string&)>;

  ActionQueue(platform::Scheduler& scheduler, ErrorSink showError);
  // Cancels the action's work on the worker, or waits for it when it is running: that work
  // uses what the queue's owner holds, which goes right after the queue.
  ~ActionQueue();
  ActionQueue(const ActionQueue&) = delete;
  ActionQueue& operator=(const ActionQueue&) = delete;

  // Queues an action; its procedure is called when the action's turn comes, and writes the
  // steps that the queue then plays.
  void Enqueue(Procedure procedure);
  // True from the first Enqueue until the last queued action has ended.
  bool Busy() const { return busy_; }
  // The keyboard went out of sight (a lock, the engine switched off, the hook lost): the keys
  // the playing action still has to press, and its delays, are dropped, and the actions
  // waiting behind it with them; the keys before the loss are forgotten.
  void DropKeys() noexcept;
  std::size_t Waiting() const { return waiting_.size(); }

 private:
  void PostStartNext();
  void StartNext();
  void Continue();
  void Fail(const std::string& text);
  // Runs work; false, with the action failed, when it threw.
  bool Try(const std::function<void()>& work);
  // Runs work on the worker, then next on the main thread, unless work threw.
  void StartBackground(std::function<void()> work, std::function<void()> next);
  // A retry's attempt has answered: go on, try again later, or give up.
  void Attempted(ActionSteps::Step step, bool done);
  // Wraps work so that it does nothing once the queue is gone.
  std::function<void()> Guarded(std::function<void()> work);

  platform::Scheduler& scheduler_;
  ErrorSink showError_;
  std::deque<Procedure> waiting_;
  ActionSteps current_;
  bool busy_ = false;
  platform::JobId background_ = 0;  // the current action's work on the worker, while it runs
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace zv
