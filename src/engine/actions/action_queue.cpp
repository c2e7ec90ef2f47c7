#include "engine/actions/action_queue.h"

#include <exception>

namespace zv {

ActionQueue::ActionQueue(platform::Scheduler& scheduler, ErrorSink showError)
    : scheduler_(scheduler), showError_(std::move(showError)) {}

ActionQueue::~ActionQueue() {
  *alive_ = false;
  if (background_) scheduler_.CancelBackground(background_);
}

std::function<void()> ActionQueue::Guarded(std::function<void()> work) {
  std::weak_ptr<bool> alive = alive_;
  return [alive, work = std::move(work)] {
    std::shared_ptr<bool> a = alive.lock();
    if (a && *a) work();
  };
}

void ActionQueue::Enqueue(Procedure procedure) {
  waiting_.push_back(std::move(procedure));
  if (!busy_) {
    busy_ = true;
    PostStartNext();
  }
}

void ActionQueue::PostStartNext() {
  scheduler_.Post(Guarded([this] { StartNext(); }));
}

void ActionQueue::StartNext() {
  if (waiting_.empty()) {
    busy_ = false;
    return;
  }
  Procedure procedure = std::move(waiting_.front());
  waiting_.pop_front();
  current_.Clear();
  try {
    procedure(current_);
  } catch (const std::exception& e) {
    Fail(e.what());
    return;
  }
  Continue();
}

void ActionQueue::Fail(const std::string& text) {
  current_.Clear();
  if (showError_) showError_(text);
  PostStartNext();
}

bool ActionQueue::Try(const std::function<void()>& work) {
  try {
    work();
    return true;
  } catch (const std::exception& e) {
    Fail(e.what());
    return false;
  }
}

// Plays steps until one of them has to wait; the timer or the worker brings it back here.
void ActionQueue::Continue() {
  while (!current_.Empty()) {
    ActionSteps::Step step = current_.Take();
    switch (step.kind) {
      case ActionSteps::Kind::kRun:
        if (!Try(step.work)) return;
        break;
      case ActionSteps::Kind::kWait:
        scheduler_.StartTimer(step.ms, Guarded([this] { Continue(); }));
        return;
      case ActionSteps::Kind::kBackground:
        StartBackground(std::move(step));
        return;
      case ActionSteps::Kind::kRetry: {
        bool done = false;
        if (!Try([&] { done = step.attempt(); })) return;
        if (done) break;
        if (--step.tries <= 0) {
          if (step.work && !Try(step.work)) return;
          break;
        }
        int ms = step.ms;
        current_.PutBack(std::move(step));
        scheduler_.StartTimer(ms, Guarded([this] { Continue(); }));
        return;
      }
    }
  }
  PostStartNext();
}

void ActionQueue::StartBackground(ActionSteps::Step step) {
  auto error = std::make_shared<std::string>();
  auto failed = std::make_shared<bool>(false);
  auto work = [work = std::move(step.work), error, failed] {
    try {
      work();
    } catch (const std::exception& e) {
      *failed = true;
      *error = e.what();
    }
  };
  background_ = scheduler_.RunInBackground(work, Guarded([this, error, failed] {
                                             background_ = 0;
                                             if (*failed)
                                               Fail(*error);
                                             else
                                               Continue();
                                           }));
}

}  // namespace zv
