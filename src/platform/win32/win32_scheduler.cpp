#include "platform/win32/win32_scheduler.h"

#include <exception>

#include "common/private_messages.h"

namespace zv::win32 {

namespace {
constexpr char kClassName[] = "ZorvaneScheduler";
}  // namespace

Win32Scheduler::Win32Scheduler(std::function<void(const std::string&)> showError)
    : showError_(std::move(showError)) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);  // fails harmlessly when a second scheduler registers it again
  window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                            nullptr);
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  worker_ = std::thread([this] { WorkerLoop(); });
}

Win32Scheduler::~Win32Scheduler() {
  {
    std::lock_guard<std::mutex> lock(workerMutex_);
    stopping_ = true;
  }
  workerWake_.notify_all();
  worker_.join();
  for (const auto& timer : timers_) KillTimer(window_, static_cast<UINT_PTR>(timer.first));
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

void Win32Scheduler::Post(std::function<void()> work) {
  bool wake;
  {
    std::lock_guard<std::mutex> lock(postedMutex_);
    wake = posted_.empty();  // otherwise a message is on its way and takes this along
    posted_.push_back(std::move(work));
  }
  if (wake) PostMessageA(window_, WM_RUNPOSTED, 0, 0);
}

platform::TimerId Win32Scheduler::StartTimer(int ms, std::function<void()> work) {
  platform::TimerId id = nextTimer_++;
  timers_[id] = std::move(work);
  SetTimer(window_, static_cast<UINT_PTR>(id), ms < 0 ? 0 : static_cast<UINT>(ms), nullptr);
  return id;
}

void Win32Scheduler::CancelTimer(platform::TimerId id) {
  if (timers_.erase(id)) KillTimer(window_, static_cast<UINT_PTR>(id));
}

platform::JobId Win32Scheduler::RunInBackground(std::function<void()> work,
                                                std::function<void()> then) {
  platform::JobId id;
  {
    std::lock_guard<std::mutex> lock(workerMutex_);
    id = nextJob_++;
    jobs_.push_back({id, std::move(work), std::move(then)});
  }
  workerWake_.notify_all();
  return id;
}

void Win32Scheduler::CancelBackground(platform::JobId id) {
  std::unique_lock<std::mutex> lock(workerMutex_);
  for (auto it = jobs_.begin(); it != jobs_.end(); ++it) {
    if (it->id == id) {
      jobs_.erase(it);
      return;
    }
  }
  if (runningJob_ != id) return;
  runningCancelled_ = true;
  jobEnded_.wait(lock, [this, id] { return runningJob_ != id; });
}

// Nothing may leave a window procedure as an exception: errors end here, in the error box.
void Win32Scheduler::Guard(const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& e) {
    if (showError_)
      showError_(e.what());
    else
      MessageBoxA(nullptr, e.what(), "Zorvane", MB_OK | MB_ICONERROR);
  }
}

void Win32Scheduler::RunPosted() {
  // What was queued when the message came runs now, in order; work posted meanwhile waits for
  // the next message, so other messages get their turn between.
  std::size_t count;
  {
    std::lock_guard<std::mutex> lock(postedMutex_);
    count = posted_.size();
  }
  for (std::size_t i = 0; i < count; ++i) {
    std::function<void()> work;
    {
      std::lock_guard<std::mutex> lock(postedMutex_);
      if (posted_.empty()) return;
      work = std::move(posted_.front());
      posted_.pop_front();
    }
    Guard(work);
  }
  std::lock_guard<std::mutex> lock(postedMutex_);
  if (!posted_.empty()) PostMessageA(window_, WM_RUNPOSTED, 0, 0);
}

void Win32Scheduler::FireTimer(UINT_PTR id) {
  KillTimer(window_, id);
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  std::function<void()> work = std::move(it->second);
  timers_.erase(it);
  Guard(work);
}

void Win32Scheduler::WorkerLoop() {
  std::unique_lock<std::mutex> lock(workerMutex_);
  for (;;) {
    workerWake_.wait(lock, [this] { return stopping_ || !jobs_.empty(); });
    if (stopping_) return;
    Job job = std::move(jobs_.front());
    jobs_.pop_front();
    runningJob_ = job.id;
    runningCancelled_ = false;
    lock.unlock();
    try {
      job.work();
    } catch (...) {
      // Background work reports its own failures through then.
    }
    lock.lock();
    if (!runningCancelled_) Post(std::move(job.then));
    runningJob_ = 0;
    jobEnded_.notify_all();
  }
}

LRESULT CALLBACK Win32Scheduler::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* self = reinterpret_cast<Win32Scheduler*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self && message == WM_RUNPOSTED) {
    self->RunPosted();
    return 0;
  }
  if (self && message == WM_TIMER) {
    self->FireTimer(wParam);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace zv::win32
