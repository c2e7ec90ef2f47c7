#include "engine/actions/action_queue.h"

#include <exception>

namespace zv {

ActionQueue::ActionQueue(platform::Scheduler& scheduler, ErrorSink showError)
    : scheduler_(scheduler), showError_(std::move(showError)) {}

ActionQueue::~ActionQueue() {
  *alive_ = false;
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

// Plays steps until one of them has to wait; the timer or the worker brings it back here.
void ActionQueue::Continue() {
  while (!current_.Empty()) {
    ActionSteps::Step step = current_.Take();
    switch (step.kind) {
      case ActionSteps::Kind::kRun:
        try {
          step.work();
        } catch (const std::exception& e) {
          Fail(e.what());
          return;
        }
        break;
      case ActionSteps::Kind::kWait:
        scheduler_.StartTimer(step.ms, Guarded([this] { Continue(); }));
        return;
      case ActionSteps::Kind::kBackground: {
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
        scheduler_.RunInBackground(work, Guarded([this, error, failed] {
                                     if (*failed)
                                       Fail(*error);
                                     else
                                       Continue();
                                   }));
        return;
      }
    }
  }
  PostStartNext();
}

}  // namespace zv
