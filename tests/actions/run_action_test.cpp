// "Run": the command lines of numbered "Run" sections, started through the shell on the worker,
// once per press of the key; a start that fails tells its reason once.
#include <map>

#include "engine/actions/repeat_gate.h"
#include "platform/fake/fake_files.h"
#include "settings/mapping_store.h"
#include "settings/settings.h"
#include "tests/actions/action_fixture.h"

namespace zv::testing_actions {
namespace {

// The dispatcher as far as "Run" goes: every key-down it hears of runs its key's command.
class RunningClient : public HookClient {
 public:
  RunningClient(Actions& actions, std::map<int, std::string> commands)
      : actions_(actions), commands_(std::move(commands)) {}
  bool HandlesKey(int) override { return true; }
  bool InterceptsHere(int) override { return true; }
  void WMHookKeyDown(int key) override { actions_.RunAction("Run", commands_[key]); }
  void WMHookKeyUp(int) override {}
  void ReleasePressedKeys() noexcept override {}

 private:
  Actions& actions_;
  std::map<int, std::string> commands_;
};

TEST_F(ActionsTest, RunStartsOncePerPressAndTellsAFailureOnce) {
  RunningClient client(actions, {{'A', "\"C:\\My Tools\\x.exe\" --fast"},
                                 {'B', "https://example.org"},
                                 {'C', "nothing.exe"},
                                 {'D', "0"}});
  RepeatGate gate(client, actions);
  for (int i = 0; i < 3; ++i) gate.WMHookKeyDown('A');  // a held key repeats its down
  gate.WMHookKeyUp('A');
  gate.WMHookKeyDown('B');
  gate.ReleasePressedKeys();  // losing sight of the keyboard ends the hold
  gate.WMHookKeyDown('B');
  gate.WMHookKeyDown('D');  // the empty parameter starts nothing
  scheduler.RunAll();
  EXPECT_EQ(journal.Text(),
            "bg:start:C:\\My Tools\\x.exe|--fast bg:start:https://example.org| "
            "bg:start:https://example.org|");
  programs.failure = "The system cannot find the file specified.";
  journal.Clear();
  for (int i = 0; i < 3; ++i) gate.WMHookKeyDown('C');
  scheduler.RunAll();
  EXPECT_EQ(journal.Text(), "bg:start:nothing.exe|");
  EXPECT_EQ(notices, std::vector<std::string>{
                         "Cannot start nothing.exe: The system cannot find the file specified."});
  EXPECT_TRUE(errors.empty());
}

TEST(RunNumbering, SectionsAndCountAsForTheOtherParameterisedTargets) {
  fake::FakeFiles files;
  SettingsFile file(files, "C:\\zv\\Keydat.qnp");
  PrepareSettingsFile(file);
  StoreMapping(file, "F1", "Run", "notepad.exe");
  StoreMapping(file, "F2", "Run", "https://example.org");
  EXPECT_EQ(file.ReadString("SwapKey", "F2", ""), "Run2");
  EXPECT_EQ(ParameterCount(file, "Run"), 2);
  RemoveMapping(file, "F1");
  EXPECT_EQ(file.ReadString("SwapKey", "F2", ""), "Run1");
  EXPECT_EQ(file.ReadString("Run1", "Parameter", ""), "https://example.org");
  EXPECT_EQ(ParameterCount(file, "Run"), 1);
}

}  // namespace
}  // namespace zv::testing_actions
