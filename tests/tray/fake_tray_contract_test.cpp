#include "platform/fake/fake_hotkeys.h"
#include "platform/fake/fake_tray.h"
#include "tests/tray/tray_contract.h"

namespace zv::contract {
namespace {

struct FakeTrayEnv : TrayEnv {
  fake::FakeTray fake;
  platform::Tray& tray() override { return fake; }
  TrayView Shown() override {
    if (!fake.shown) return {};
    return {true, fake.tip, fake.balloonText, fake.balloonTitle, fake.balloonSeconds * 1000};
  }
};

struct FakeHotKeysEnv : HotKeysEnv {
  fake::FakeHotKeys fake;
  platform::HotKeys& hotKeys() override { return fake; }
};

}  // namespace
std::unique_ptr<TrayEnv> MakeTrayEnv() {
  return std::make_unique<FakeTrayEnv>();
}
std::unique_ptr<HotKeysEnv> MakeHotKeysEnv() {
  return std::make_unique<FakeHotKeysEnv>();
}
}  // namespace zv::contract
