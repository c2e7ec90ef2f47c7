#pragma once
// The engine wired as the main window wires it, over the fakes: the hook installed in the fake
// input, the main window a fake window whose procedure runs the dispatcher, the settings file
// in fake files. run("+A -A") types on the physical keyboard and gives what the focused program
// received.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/action_runner.h"
#include "engine/dispatcher.h"
#include "engine/error_reporter.h"
#include "engine/key_hook.h"
#include "engine/program_focus.h"
#include "engine/registry_channel.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_folder_watcher.h"
#include "platform/fake/fake_foreground.h"
#include "platform/fake/fake_input.h"
#include "platform/fake/fake_registry.h"
#include "platform/fake/fake_scheduler.h"
#include "platform/fake/fake_tray.h"
#include "platform/fake/fake_windows.h"
#include "settings/settings_file.h"
#include "settings/settings_watch.h"

namespace zv::testing_engine {

struct RecordingErrors : ErrorReporter {
  std::vector<std::string> texts;
  void PostError(const std::string& text) noexcept override { texts.push_back(text); }
};

struct RecordingActions : ActionRunner {
  std::vector<std::pair<std::string, std::string>> runs;
  void RunAction(const std::string& name, const std::string& parameter) override {
    runs.emplace_back(name, parameter);
  }
  void RepeatAction(const std::string& name, const std::string& parameter) override {
    runs.emplace_back("repeat " + name, parameter);
  }
  void DropKeys() noexcept override { ++dropped; }
  int dropped = 0;  // losses of sight told
};

// An action that types its parameter's letters through SimulateKey, as the text actions do:
// the whole burst is queued before the first of it reaches the hook.
struct TypingActions : ActionRunner {
  explicit TypingActions(KeySimulator& keys) : keys_(keys) {}
  void RunAction(const std::string&, const std::string& parameter) override {
    for (char c : parameter) {
      keys_.SimulateKey(c, true);
      keys_.SimulateKey(c, false);
    }
  }
  KeySimulator& keys_;
};

// The dispatcher as the hook sees it, noting every event the hook gives it to decide.
struct RecordingClient : HookClient {
  explicit RecordingClient(Dispatcher& d) : dispatcher(d) {}
  bool Maps(int vk) override { return dispatcher.Maps(vk); }
  bool Unseen(int vk) override { return dispatcher.Unseen(vk); }
  void LoseSight(bool unseen) noexcept override { dispatcher.LoseSight(unseen); }
  bool OnKeyEvent(const KeyIn& in) override {
    return told.push_back(in), dispatcher.OnKeyEvent(in);
  }
  Dispatcher& dispatcher;
  std::vector<KeyIn> told;
};

class EngineRig {
 public:
  static constexpr std::uint32_t kWindow = 0x10042;
  static constexpr const char* kPath = "C:\\zv\\Keydat.qnp";

  EngineRig();

  // Stores a mapping the way the editor does (the mapping store), for all programs or one.
  void Map(const std::string& source, const std::string& target, const std::string& parameter = " ",
           const std::string& program = "");
  void Unmap(const std::string& source);
  // Replaces the settings file's text as a person editing it would; the folder's change
  // notification follows and its posted look runs.
  void WriteFile(const std::string& text);
  // The change notification and what the main thread then runs (posted looks, due retries).
  void Notify();
  // Types keys and returns what the focused program received meanwhile. After each key the
  // message loop turns: work the dispatcher posted runs.
  std::string run(const std::string& keys);
  // What the program injected meanwhile (keybd_event calls), in the same notation.
  std::string injectedSince(std::size_t from) const;
  // The registry's "TempCode" (-999 when absent), read as another program would once the main
  // thread has run what the hook posted.
  int TempCode();

  fake::FakeFiles files;
  fake::FakeRegistry registry;
  fake::FakeInput input;
  fake::FakeWindows windows;
  RecordingErrors errors;
  RecordingActions actions;
  fake::FakeScheduler scheduler;
  fake::FakeFolderWatcher folderWatcher;
  SettingsFile settings{files, kPath};
  SettingsWatch settingsWatch{settings, folderWatcher, scheduler,
                              [this](const std::string& text) { errors.PostError(text); }};
  RegistryChannel channel{registry};
  Dispatcher dispatcher{settings, channel, input};
  RecordingClient client{dispatcher};
  KeyHook hook{input, channel, settings, windows, errors};
  // The focus starts in a program without mappings of its own.
  fake::FakeForeground foreground;
  fake::FakeTray tray;
  ProgramFocus focus{dispatcher.programs(), tray, scheduler, false,
                     [this] { return hook.HookedForMapping(); }};
};

}  // namespace zv::testing_engine
