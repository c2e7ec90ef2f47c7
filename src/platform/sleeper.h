#pragma once
// Pausing the calling thread. Only threads other than the main thread may sleep.

namespace zv::platform {

class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void Sleep(int ms) = 0;
};

}  // namespace zv::platform
