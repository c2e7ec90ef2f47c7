#include <windows.h>

#include <string>

#include "platform/win32/win32_input.h"
#include "platform/win32/win32_registry.h"
#include "tests/engine/input_contract.h"
#include "tests/engine/registry_contract.h"

namespace zv::contract {
namespace {

struct Win32RegistryEnv : RegistryEnv {
  win32::Win32Registry real;
  std::string base = "Software\\ZorvaneContract" + std::to_string(GetCurrentProcessId());
  ~Win32RegistryEnv() override { RegDeleteTreeA(HKEY_CURRENT_USER, base.c_str()); }
  platform::Registry& registry() override { return real; }
  std::string Base() override { return base; }
};

struct Win32InputEnv : InputEnv {
  win32::Win32Input real;
  platform::Input& input() override { return real; }
  // A low-level hook is called while its thread takes messages.
  void Pump(const std::function<bool()>& done) override {
    DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < 1000) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
};

}  // namespace
std::unique_ptr<RegistryEnv> MakeRegistryEnv() {
  return std::make_unique<Win32RegistryEnv>();
}
std::unique_ptr<InputEnv> MakeInputEnv() {
  return std::make_unique<Win32InputEnv>();
}
}  // namespace zv::contract
