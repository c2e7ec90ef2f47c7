#pragma once
// Windows of the test's own "process": a handle answers with the handler the test registers;
// handles of other programs' windows exist but belong to someone else.
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "platform/window_messages.h"

namespace zv::fake {

class FakeWindows : public platform::WindowMessages {
 public:
  using Handler = std::function<void(unsigned message, std::uintptr_t wParam)>;

  bool IsOwnWindow(std::uint32_t handle) override { return own_.count(handle) != 0; }
  void Send(std::uint32_t handle, unsigned message, std::uintptr_t wParam) override;

  // Test controls.
  void AddOwnWindow(std::uint32_t handle, Handler handler) { own_[handle] = std::move(handler); }
  void AddForeignWindow(std::uint32_t handle) { foreign_.insert(handle); }
  struct Sent {
    std::uint32_t handle;
    unsigned message;
    std::uintptr_t wParam;
  };
  std::vector<Sent> sent;  // every message sent, to own and foreign windows alike

 private:
  std::map<std::uint32_t, Handler> own_;
  std::set<std::uint32_t> foreign_;
};

}  // namespace zv::fake
