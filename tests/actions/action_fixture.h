#pragma once
// The actions wired to fakes that all write into one journal, on a virtual clock. Injected keys
// are written "+65" (down) and "-65" (up), with "@ms" after them once the clock has moved.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "common/error.h"
#include "engine/actions/actions.h"
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_devices.h"
#include "platform/fake/fake_scheduler.h"
#include "platform/fake/journal.h"
#include "volume/volume_control.h"

namespace zv::testing_actions {

class RecordingKeys : public KeySimulator {
 public:
  RecordingKeys(fake::Journal& journal, const fake::FakeScheduler& clock)
      : journal_(journal), clock_(clock) {}
  void SimulateKey(int code, bool isDown) override { SimulateKeys({{code, isDown}}); }
  // As the dispatcher does: every event is announced first, so a failure injects none of them.
  void SimulateKeys(const std::vector<SimulatedKey>& keys) override {
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (failAt == ++calls) throw Error("Failed to set data for 'TempCode'");
    }
    for (const SimulatedKey& k : keys) Add(k.code, k.isDown);
  }
  void ReleasePressedKeys() noexcept override {
    std::set<int> pressed = pressed_;
    for (int code : pressed) Add(code, false);
  }
  int calls = 0;
  int failAt = 0;  // the announcement that fails as a registry write would, counted from 1

 private:
  void Add(int code, bool isDown) {
    std::string at = clock_.Now() ? "@" + std::to_string(clock_.Now()) : "";
    journal_.Add((isDown ? "+" : "-") + std::to_string(code) + at);
    if (isDown) {
      pressed_.insert(code);
    } else {
      pressed_.erase(code);
    }
  }
  std::set<int> pressed_;
  fake::Journal& journal_;
  const fake::FakeScheduler& clock_;
};

class RecordingVolume : public VolumeControl {
 public:
  explicit RecordingVolume(fake::Journal& journal) : journal_(journal) {}
  std::uint16_t GetVolume() override { return value; }
  void SetVolume(std::uint16_t v) override {
    value = v;
    journal_.Add("volume:" + std::to_string(v));
  }
  std::uint16_t value = 0;

 private:
  fake::Journal& journal_;
};

class ActionsTest : public ::testing::Test {
 protected:
  static constexpr platform::WindowHandle kAppWindow = 7;

  fake::Journal journal;
  fake::FakeScheduler scheduler;
  RecordingKeys keys{journal, scheduler};
  fake::FakeClipboard clipboard{&journal};
  fake::FakePower power{journal, &scheduler};
  fake::FakeMedia media{journal, &scheduler};
  fake::FakeMouse mouse{journal, &scheduler};
  fake::FakeSystemMessages windows{journal, &scheduler};
  RecordingVolume volume{journal};
  fake::FakeProgramStarter programs{journal, &scheduler};
  std::vector<std::string> errors;
  std::vector<std::string> notices;  // the tray balloons of "Run"
  Actions actions{ActionDevices{keys, clipboard, power, media, mouse, windows, volume, kAppWindow,
                                &programs,
                                [this](const std::string& text) { notices.push_back(text); }},
                  scheduler, [this](const std::string& text) {
                    errors.push_back(text);
                    journal.Add("error");
                  }};

  ActionsTest() { actions.FillActionTable(); }

  // Runs one action to its end and gives what it did.
  std::string Run(const std::string& name, const std::string& parameter = "") {
    journal.Clear();
    actions.RunAction(name, parameter);
    scheduler.RunAll();
    return journal.Text();
  }
};

}  // namespace zv::testing_actions
