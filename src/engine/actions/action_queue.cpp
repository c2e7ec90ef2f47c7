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

void ActionQueue::DropKeys() noexcept {
  waiting_.clear();
  current_.DropKeys();
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
      case ActionSteps::Kind::kKeys:
        if (!Try(step.work)) return;
        break;
      case ActionSteps::Kind::kWait:
        scheduler_.StartTimer(step.ms, Guarded([this] { Continue(); }));
        return;
      case ActionSteps::Kind::kBackground:
        StartBackground(std::move(step.work), [this] { Continue(); });
        return;
      case ActionSteps::Kind::kRetry: {
        auto done = std::make_shared<bool>(false);
        std::function<bool()> attempt = step.attempt;
        StartBackground([attempt, done] { *done = attempt(); },
                        [this, done, step]() { Attempted(step, *done); });
        return;
      }
    }
  }
  PostStartNext();
}

void ActionQueue::Attempted(ActionSteps::Step step, bool done) {
  if (!done && --step.tries > 0) {
    int ms = step.ms;
    current_.PutBack(std::move(step));
    scheduler_.StartTimer(ms, Guarded([this] { Continue(); }));
    return;
  }
  if (!done && step.work && !Try(step.work)) return;
  Continue();
}

void ActionQueue::StartBackground(std::function<void()> work, std::function<void()> next) {
  auto error = std::make_shared<std::string>();
  auto failed = std::make_shared<bool>(false);
  auto guarded = [work = std::move(work), error, failed] {
    try {
      work();
    } catch (const std::exception& e) {
      *failed = true;
      *error = e.what();
    }
  };
  background_ = scheduler_.RunInBackground(guarded, Guarded([this, error, failed, next] {
                                             background_ = 0;
                                             if (*failed)
                                               Fail(*error);
                                             else
                                               next();
                                           }));
}

}  // namespace zv
