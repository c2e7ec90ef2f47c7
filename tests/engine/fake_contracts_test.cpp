#include "platform/fake/fake_input.h"
#include "platform/fake/fake_registry.h"
#include "tests/engine/input_contract.h"
#include "tests/engine/registry_contract.h"

namespace zv::contract {
namespace {
struct FakeRegistryEnv : RegistryEnv {
  fake::FakeRegistry fake;
  platform::Registry& registry() override { return fake; }
  std::string Base() override { return "Software\\ZorvaneContract"; }
};
struct FakeInputEnv : InputEnv {
  fake::FakeInput fake;
  platform::Input& input() override { return fake; }
  void Pump(const std::function<bool()>&) override {}  // the fake delivers at once
};
}  // namespace
std::unique_ptr<RegistryEnv> MakeRegistryEnv() {
  return std::make_unique<FakeRegistryEnv>();
}
std::unique_ptr<InputEnv> MakeInputEnv() {
  return std::make_unique<FakeInputEnv>();
}
}  // namespace zv::contract
