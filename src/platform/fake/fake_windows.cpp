#include "platform/fake/fake_windows.h"

namespace zv::fake {

void FakeWindows::Send(std::uint32_t handle, unsigned message, std::uintptr_t wParam) {
  sent.push_back({handle, message, wParam});
  auto it = own_.find(handle);
  if (it != own_.end() && it->second) it->second(message, wParam);
}

}  // namespace zv::fake
