#pragma once
// The real platform with every call counted, so the benchmark can say how many calls to the
// system one key event costs.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/foreground.h"
#include "platform/input.h"
#include "platform/registry.h"
#include "platform/scheduler.h"
#include "platform/window_messages.h"

namespace zv::bench {

// posts: work handed to the main thread's queue (at most one PostMessageA per turn of the
// message loop, which never waits); not counted in the total.
struct CallCounts {
  long registry = 0, files = 0, input = 0, windows = 0, foreground = 0, posts = 0;
  long total() const { return registry + files + input + windows + foreground; }
};

class CountingRegistry : public platform::Registry {
 public:
  CountingRegistry(platform::Registry& real, long& count) : r_(real), n_(count) {}
  platform::RegistryKey CreateKey(platform::RegistryRoot root, const std::string& path) override {
    ++n_;
    return r_.CreateKey(root, path);
  }
  platform::RegistryKey OpenKey(platform::RegistryRoot root, const std::string& path) override {
    ++n_;
    return r_.OpenKey(root, path);
  }
  platform::RegistryKey OpenKeyForReading(platform::RegistryRoot root,
                                          const std::string& path) override {
    ++n_;
    return r_.OpenKeyForReading(root, path);
  }
  void CloseKey(platform::RegistryKey key) override {
    ++n_;
    r_.CloseKey(key);
  }
  platform::RegistryRead ReadDword(platform::RegistryKey key, const std::string& name,
                                   std::uint32_t& value) override {
    ++n_;
    return r_.ReadDword(key, name, value);
  }
  bool WriteDword(platform::RegistryKey key, const std::string& name,
                  std::uint32_t value) override {
    ++n_;
    return r_.WriteDword(key, name, value);
  }
  platform::RegistryRead ReadString(platform::RegistryKey key, const std::string& name,
                                    std::string& value) override {
    ++n_;
    return r_.ReadString(key, name, value);
  }
  bool WriteString(platform::RegistryKey key, const std::string& name,
                   const std::string& value) override {
    ++n_;
    return r_.WriteString(key, name, value);
  }
  platform::RegistryRead ReadBinary(platform::RegistryKey key, const std::string& name,
                                    std::vector<std::uint8_t>& bytes,
                                    platform::RegistryType& type) override {
    ++n_;
    return r_.ReadBinary(key, name, bytes, type);
  }
  bool WriteBinary(platform::RegistryKey key, const std::string& name,
                   const std::vector<std::uint8_t>& bytes) override {
    ++n_;
    return r_.WriteBinary(key, name, bytes);
  }
  bool DeleteValue(platform::RegistryKey key, const std::string& name) override {
    ++n_;
    return r_.DeleteValue(key, name);
  }
  std::vector<std::string> ValueNames(platform::RegistryKey key) override {
    ++n_;
    return r_.ValueNames(key);
  }
  bool DeleteKey(platform::RegistryRoot root, const std::string& path) override {
    ++n_;
    return r_.DeleteKey(root, path);
  }

 private:
  platform::Registry& r_;
  long& n_;
};

class CountingFiles : public platform::Files {
 public:
  CountingFiles(platform::Files& real, long& count) : f_(real), n_(count) {}
  bool Exists(const std::string& path) override {
    ++n_;
    return f_.Exists(path);
  }
  platform::FileStamp Stamp(const std::string& path) override {
    ++n_;
    return f_.Stamp(path);
  }
  bool Read(const std::string& path, std::string& bytes) override {
    ++n_;
    return f_.Read(path, bytes);
  }
  bool Write(const std::string& path, const std::string& bytes) override {
    ++n_;
    return f_.Write(path, bytes);
  }
  platform::SwapResult Swap(const std::string& path, const std::string& replacement,
                            const std::string& backup) override {
    ++n_;
    return f_.Swap(path, replacement, backup);
  }
  bool Move(const std::string& from, const std::string& to) override {
    ++n_;
    return f_.Move(from, to);
  }
  bool Delete(const std::string& path) override {
    ++n_;
    return f_.Delete(path);
  }
  bool Copy(const std::string& from, const std::string& to) override {
    ++n_;
    return f_.Copy(from, to);
  }

 private:
  platform::Files& f_;
  long& n_;
};

class CountingInput : public platform::Input {
 public:
  CountingInput(platform::Input& real, long& count) : i_(real), n_(count) {}
  bool InstallHook(platform::KeyHookSink& sink) override {
    ++n_;
    return i_.InstallHook(sink);
  }
  bool ReplaceHook(platform::KeyHookSink& sink) override {
    ++n_;
    return i_.ReplaceHook(sink);
  }
  void RemoveHook() override {
    ++n_;
    i_.RemoveHook();
  }
  bool SendKeys(const platform::KeyInput* keys, std::size_t count) override {
    ++n_;
    return i_.SendKeys(keys, count);
  }
  void WatchMouseButtons(platform::MouseButtonSink* sink) override {
    ++n_;
    i_.WatchMouseButtons(sink);
  }
  unsigned MapKey(unsigned code, unsigned mapType) override {
    ++n_;
    return i_.MapKey(code, mapType);
  }
  std::uintptr_t KeyboardLayout() override {
    ++n_;
    return i_.KeyboardLayout();
  }
  short AsyncKeyState(int virtualKey) override {
    ++n_;
    return i_.AsyncKeyState(virtualKey);
  }
  std::uint32_t TickCount() override {
    ++n_;
    return i_.TickCount();
  }
  std::uint32_t LastKeyboardInputTick() override {
    ++n_;
    return i_.LastKeyboardInputTick();
  }

 private:
  platform::Input& i_;
  long& n_;
};

class CountingWindows : public platform::WindowMessages {
 public:
  CountingWindows(platform::WindowMessages& real, long& count) : w_(real), n_(count) {}
  bool IsOwnWindow(std::uint32_t handle) override {
    ++n_;
    return w_.IsOwnWindow(handle);
  }
  void Send(std::uint32_t handle, unsigned message, std::uintptr_t wParam) override {
    ++n_;
    w_.Send(handle, message, wParam);
  }

 private:
  platform::WindowMessages& w_;
  long& n_;
};

class CountingScheduler : public platform::Scheduler {
 public:
  CountingScheduler(platform::Scheduler& real, long& count) : s_(real), n_(count) {}
  void Post(std::function<void()> work) override {
    ++n_;
    s_.Post(std::move(work));
  }
  platform::TimerId StartTimer(int ms, std::function<void()> work) override {
    return s_.StartTimer(ms, std::move(work));
  }
  void CancelTimer(platform::TimerId id) override { s_.CancelTimer(id); }
  platform::JobId RunInBackground(std::function<void()> work, std::function<void()> then) override {
    return s_.RunInBackground(std::move(work), std::move(then));
  }
  void CancelBackground(platform::JobId id) override { s_.CancelBackground(id); }

 private:
  platform::Scheduler& s_;
  long& n_;
};

// Recheck is one GetForegroundWindow (and, for a window not seen before, the look at its
// process).
class CountingForeground : public platform::Foreground {
 public:
  CountingForeground(platform::Foreground& real, long& count) : f_(real), n_(count) {}
  void Watch(platform::ForegroundSink& sink) override { f_.Watch(sink); }
  void Recheck() override {
    ++n_;
    f_.Recheck();
  }
  void StopWatching() override { f_.StopWatching(); }
  bool SelfElevated() override { return f_.SelfElevated(); }

 private:
  platform::Foreground& f_;
  long& n_;
};

}  // namespace zv::bench
