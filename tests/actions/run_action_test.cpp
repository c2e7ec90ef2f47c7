// "Run": a command line started through the shell on the worker, once per press of the key; a
// start that fails tells its reason once.
#include "tests/actions/action_fixture.h"

namespace zv::testing_actions {
namespace {

TEST_F(ActionsTest, RunStartsOncePerPressAndTellsAFailureOnce) {
  const std::string a = "\"C:\\My Tools\\x.exe\" --fast", b = "https://example.org";
  actions.RunAction("Run", a);
  for (int i = 0; i < 2; ++i) actions.RepeatAction("Run", a);  // a held key repeats its down
  actions.RunAction("Run", b);
  actions.RunAction("Run", b);
  actions.RunAction("Run", "0");  // the empty parameter starts nothing
  scheduler.RunAll();
  EXPECT_EQ(journal.Text(),
            "bg:start:C:\\My Tools\\x.exe|--fast bg:start:https://example.org| "
            "bg:start:https://example.org|");
  programs.failure = "The system cannot find the file specified.";
  journal.Clear();
  actions.RunAction("Run", "nothing.exe");
  for (int i = 0; i < 2; ++i) actions.RepeatAction("Run", "nothing.exe");
  scheduler.RunAll();
  EXPECT_EQ(journal.Text(), "bg:start:nothing.exe|");
  EXPECT_EQ(notices, std::vector<std::string>{
                         "Cannot start nothing.exe: The system cannot find the file specified."});
  EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace zv::testing_actions
