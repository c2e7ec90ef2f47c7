// The actions on the real message loop: a sequence's delay does not hold the main thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "engine/actions/actions.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_devices.h"
#include "platform/win32/win32_scheduler.h"
#include "tests/actions_win32/win32_loop.h"
#include "volume/volume_control.h"

namespace zv {
namespace {

class TimedKeys : public KeySimulator {
 public:
  void SimulateKey(int code, bool isDown) override {
    events.push_back({(isDown ? "+" : "-") + std::to_string(code), GetTickCount()});
  }
  struct Event {
    std::string key;
    DWORD at;
  };
  std::vector<Event> events;
};

class StillVolume : public VolumeControl {
 public:
  std::uint16_t GetVolume() override { return 0; }
  void SetVolume(std::uint16_t) override {}
};

class Win32ActionsTest : public ::testing::Test {
 protected:
  testing_win32::HiddenWindow window;
  win32::Win32Scheduler scheduler;
  TimedKeys keys;
  win32::Win32Clipboard clipboard{window.handle()};
  win32::Win32Power power;
  win32::Win32Media media;
  win32::Win32Mouse mouse;
  win32::Win32SystemMessages messages;
  StillVolume volume;
  std::vector<std::string> errors;
  Actions actions{ActionDevices{keys, clipboard, power, media, mouse, messages, volume,
                                win32::HandleOf(window.handle())},
                  scheduler, [this](const std::string& e) { errors.push_back(e); }};

  Win32ActionsTest() { actions.FillActionTable(); }
};

TEST_F(Win32ActionsTest, MessagesAreHandledDuringASequenceDelay) {
  actions.RunAction("KeySequence", "KeyDown A,Delay 300,KeyUp A,");
  EXPECT_TRUE(keys.events.empty());  // queued, not run inside the caller
  PostMessageA(window.handle(), WM_APP + 1, 0, 0);
  ASSERT_TRUE(testing_win32::PumpUntil([&] { return keys.events.size() == 2; }));
  ASSERT_EQ(window.received().size(), 1u);
  EXPECT_EQ(keys.events[0].key, "+65");
  EXPECT_EQ(keys.events[1].key, "-65");
  EXPECT_GE(keys.events[1].at - keys.events[0].at, 280u);  // the tick count's grain
}

TEST_F(Win32ActionsTest, TypeTextLeavesTheLinesOnTheClipboard) {
  actions.RunAction("TypeText", "hello#world");
  ASSERT_TRUE(testing_win32::PumpUntil([&] { return keys.events.size() == 4; }));
  EXPECT_EQ(clipboard.Text(), "hello\r\nworld");
  EXPECT_EQ(keys.events[0].key, "+162");
  EXPECT_EQ(keys.events[1].key, "+86");
}

TEST_F(Win32ActionsTest, CdToggleRunsOnTheWorkerAndTheQueueWaitsForIt) {
  actions.RunAction("Eject/Close Cdrom Driver", "");
  actions.RunAction("CleanText", "");
  EXPECT_FALSE(actions.CdromDoorOpen());  // nothing has run yet
  ASSERT_TRUE(testing_win32::PumpUntil([&] { return keys.events.size() == 6; }));
  EXPECT_TRUE(actions.CdromDoorOpen());
  EXPECT_TRUE(errors.empty());
}

// A CD tray that takes its time.
class SlowTray : public platform::Media {
 public:
  explicit SlowTray(std::vector<std::string>& log) : log_(log) {}
  unsigned SendCommand(const std::string&) override {
    Sleep(400);
    log_.push_back("command done");
    return 0;
  }

 private:
  std::vector<std::string>& log_;
};

TEST_F(Win32ActionsTest, TheEndWaitsForACommandStillOnTheWorker) {
  std::vector<std::string> log;
  auto tray = std::make_unique<SlowTray>(log);
  auto early =
      std::make_unique<Actions>(ActionDevices{keys, clipboard, power, *tray, mouse, messages,
                                              volume, win32::HandleOf(window.handle())},
                                scheduler, [](const std::string&) {});
  early->FillActionTable();
  early->RunAction("Eject cdrom driver", "");
  early->RunAction("CleanText", "");
  testing_win32::PumpFor(100);  // the command is on the worker now
  early.reset();
  log.push_back("actions gone");
  tray.reset();
  testing_win32::PumpFor(300);
  EXPECT_EQ(log, (std::vector<std::string>{"command done", "actions gone"}));
  EXPECT_TRUE(keys.events.empty());  // what was queued behind it never started
}

TEST_F(Win32ActionsTest, PastedTextGivesTheClipboardBack) {
  ASSERT_TRUE(clipboard.ReplaceText("the user's"));
  actions.RunAction("TypeText", "pasted");
  ASSERT_TRUE(testing_win32::PumpUntil([&] { return keys.events.size() == 4; }));
  EXPECT_EQ(clipboard.Text(), "pasted");
  DWORD pasted = GetTickCount();
  ASSERT_TRUE(testing_win32::PumpUntil([&] { return !actions.Keeper().Lent(); }, 5000));
  EXPECT_GE(GetTickCount() - pasted, 900u);
  EXPECT_EQ(clipboard.Text(), "the user's");
}

}  // namespace
}  // namespace zv
