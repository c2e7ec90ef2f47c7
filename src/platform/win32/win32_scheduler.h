#pragma once
// Posted work and timers through a message-only window of the thread that creates this (the
// main thread): the ordinary message loop runs them. Posting costs one PostMessageA only when
// the queue was empty (the message on its way runs everything queued before it). One worker
// thread takes the blocking calls.
#include <windows.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "platform/scheduler.h"

namespace zv::win32 {

class Win32Scheduler : public platform::Scheduler {
 public:
  // showError gets the text of an exception that escaped posted work or a timer; without it
  // the standard error box shows the text.
  explicit Win32Scheduler(std::function<void(const std::string&)> showError = {});
  ~Win32Scheduler() override;
  Win32Scheduler(const Win32Scheduler&) = delete;
  Win32Scheduler& operator=(const Win32Scheduler&) = delete;

  void Post(std::function<void()> work) override;
  platform::TimerId StartTimer(int ms, std::function<void()> work) override;
  void CancelTimer(platform::TimerId id) override;
  platform::JobId RunInBackground(std::function<void()> work, std::function<void()> then) override;
  void CancelBackground(platform::JobId id) override;

  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void RunPosted();
  void FireTimer(UINT_PTR id);
  void Guard(const std::function<void()>& work);
  void WorkerLoop();

  std::function<void(const std::string&)> showError_;
  HWND window_ = nullptr;
  std::mutex postedMutex_;
  std::deque<std::function<void()>> posted_;
  std::map<platform::TimerId, std::function<void()>> timers_;
  platform::TimerId nextTimer_ = 1;

  struct Job {
    platform::JobId id;
    std::function<void()> work, then;
  };
  std::mutex workerMutex_;
  std::condition_variable workerWake_;
  std::condition_variable jobEnded_;
  std::deque<Job> jobs_;
  platform::JobId nextJob_ = 1;
  platform::JobId runningJob_ = 0;  // 0: the worker is between jobs
  bool runningCancelled_ = false;
  bool stopping_ = false;
  std::thread worker_;
};

}  // namespace zv::win32
