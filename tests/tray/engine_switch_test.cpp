// The engine switch as one table: (state, event, list empty?, hotkeys in use?) gives the state
// after it and the effects, in their order.
#include "engine/engine_switch.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/hook_messages.h"
#include "platform/fake/fake_input.h"
#include "platform/hotkeys.h"

namespace zv {
namespace {

class RecordingHost : public EngineSwitchHost {
 public:
  bool MappingListEmpty() override { return empty; }
  bool HotkeysInUse() override { return hotkeys; }
  bool MainFormVisible() override { return visible; }
  void ShowInformation(const std::string& text) override { Log("msg:" + text); }
  void HideMainForm() override {
    visible = false;
    Log("hide");
  }
  void SetTrayHint(const std::string& text) override { Log("hint:" + text); }
  void SetToggleCaption(const std::string& caption) override { Log("caption:" + caption); }
  void SetLockCaption(const std::string& caption) override { Log("lockcaption:" + caption); }
  bool InstallKeyHook() override {
    Log("install");
    return !refuse;
  }
  void RemoveKeyHook() override { Log("remove"); }
  void LockKeyboard() override { Log("lock"); }
  void UnlockKeyboard() override { Log("unlock"); }
  void ShowTip(const std::string& text) override { Log("tip:" + text); }

  void Log(const std::string& what) { log += (log.empty() ? "" : " ") + what; }
  bool empty = false, hotkeys = false, visible = true, refuse = false;
  std::string log;
};

enum class Event { Button, ActivationHotKey, OtherHotKey, Minimize, CloseButton, CloseHidden };

struct Row {
  EngineState from;
  Event event;
  bool empty;
  bool hotkeys;
  EngineState to;
  std::string effects;  // the host's log, then "keyups" when modifiers were released
};

const EngineState S = EngineState::Suspended;
const EngineState A = EngineState::Active;
const std::string kOn = "hide hint:Zorvane: Activated install caption:&Suspend";
const std::string kOnHot = "hide hint:Zorvane: Activated keyups install caption:&Suspend";
const std::string kOff = "caption:&Activate hint:Zorvane: Suspend remove";
const std::string kOffHot = "caption:&Activate hint:Zorvane: Suspend keyups remove";
const std::string kRefused = "msg:Please Change the key first.";
const std::string kTip = " tip:Zorvane Active!";

const Row kTable[] = {
    {S, Event::Button, false, false, A, kOn},
    {S, Event::Button, false, true, A, kOnHot},
    {A, Event::Button, false, false, S, kOff},
    {A, Event::Button, false, true, S, kOffHot},
    {S, Event::Button, true, false, S, kRefused},
    {A, Event::Button, true, false, A, kRefused},  // an empty list can't suspend either
    {S, Event::ActivationHotKey, false, true, A, kOnHot},
    {A, Event::ActivationHotKey, false, true, A, ""},  // each hotkey works one way only
    {A, Event::OtherHotKey, false, true, S, kOffHot},
    {S, Event::OtherHotKey, false, true, S, ""},
    {S, Event::Minimize, false, false, A, kOn + kTip},
    {S, Event::Minimize, true, false, S, kRefused},  // no tip with an empty list
    {A, Event::Minimize, false, false, A, ""},
    {S, Event::CloseButton, false, false, A, kOn + kTip + " hide"},
    {S, Event::CloseButton, true, false, S, kRefused + " hide"},
    {A, Event::CloseButton, false, false, A, "hide"},
    {S, Event::CloseHidden, false, false, S, ""},  // an invisible window is left alone
};

std::string Keyups(const fake::FakeInput& input) {
  std::string text;
  for (const auto& e : input.injected) {
    bool up = e.message == platform::kWmKeyUp || e.message == platform::kWmSysKeyUp;
    text += std::to_string(e.vkCode) + (up ? "u " : "d ");
    if (e.extraInfo != kInjectionMarker) text += "(unmarked) ";  // the hook would map it
  }
  return text;
}

TEST(EngineSwitch, TransitionTable) {
  const std::uint16_t kAlt1 = 0x8031;
  const std::uint32_t kAlt1Message = (0x31u << 16) | platform::kModAlt;
  const std::uint32_t kAlt2Message = (0x32u << 16) | platform::kModAlt;
  int line = 0;
  for (const Row& row : kTable) {
    SCOPED_TRACE("row " + std::to_string(line++));
    RecordingHost host;
    fake::FakeInput input;
    EngineSwitch engine(host, input);
    if (row.from == A) {
      engine.ActivateEngine();
      input.injected.clear();
    }
    host.log.clear();
    host.empty = row.empty;
    host.hotkeys = row.hotkeys;
    bool canClose = true;
    switch (row.event) {
      case Event::Button:
        engine.Toggle();
        break;
      case Event::ActivationHotKey:
        engine.WMHotKey(kAlt1Message, kAlt1);
        break;
      case Event::OtherHotKey:
        engine.WMHotKey(kAlt2Message, kAlt1);
        break;
      case Event::Minimize:
        engine.AppMinimize();
        break;
      case Event::CloseButton:
        canClose = engine.FormCloseQuery(true);
        EXPECT_FALSE(canClose);
        break;
      case Event::CloseHidden:
        host.visible = false;
        EXPECT_TRUE(engine.FormCloseQuery(true));
        break;
    }
    EXPECT_EQ(engine.state(), row.to);
    std::string expected = row.effects;
    std::string got = host.log;
    // The key-ups are injected between the tooltip and the hook.
    bool released = !input.injected.empty();
    if (released) {
      EXPECT_EQ(Keyups(input), "16u 17u 18u ");
      std::size_t at = got.find(" install");
      if (at == std::string::npos) at = got.find(" remove");
      got.insert(at, " keyups");
    }
    EXPECT_EQ(got, expected);
  }
}

TEST(EngineSwitch, ExitLetsTheWindowCloseAndTheLockIsItsOwnSwitch) {
  RecordingHost host;
  fake::FakeInput input;
  EngineSwitch engine(host, input);
  engine.ControlKeyboard();
  engine.ControlKeyboard();
  EXPECT_EQ(host.log, "lockcaption:UnLock Keyboard lock lockcaption:Lock Keyboard unlock");
  EXPECT_EQ(engine.state(), EngineState::Suspended);  // the lock leaves the engine alone

  host.log.clear();
  engine.SetExiting();
  EXPECT_TRUE(engine.FormCloseQuery(false));
  EXPECT_EQ(host.log, "hide");  // Exit neither activates nor shows a tip
}

// Windows refuses the hook: the tray says so and the state shows suspended until the watchdog
// gets it; then it shows activated again, without a second tip.
TEST(EngineSwitch, ARefusedHookIsToldAndShownAsSuspendedUntilItIsIn) {
  RecordingHost host;
  host.refuse = true;
  host.visible = false;
  fake::FakeInput input;
  EngineSwitch engine(host, input);
  engine.AppMinimize();
  EXPECT_EQ(host.log, "hide hint:Zorvane: Activated install hint:Zorvane: Suspend tip:" +
                          std::string(kTipHookRefused) + " caption:&Suspend");
  EXPECT_TRUE(engine.active());
  host.log.clear();
  engine.HookInstalled();
  engine.HookInstalled();
  EXPECT_EQ(host.log, "hint:Zorvane: Activated");
}

}  // namespace
}  // namespace zv
