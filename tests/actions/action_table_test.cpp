// The table that binds the catalogue's action names to the procedures.
#include "catalogue/key_catalogue.h"
#include "tests/actions/action_fixture.h"

namespace zv::testing_actions {
namespace {

TEST_F(ActionsTest, TableHoldsTheNineteenActionsInOrder) {
  const char* names[] = {"CleanText",
                         "TypeText",
                         "KeyCombination",
                         "Volume Up",
                         "Volume Down",
                         "Shutdown",
                         "Restart",
                         "Logout",
                         "Hibernate",
                         "Suspend",
                         "Eject cdrom driver",
                         "Close cdrom driver",
                         "Click Left Mouse Button",
                         "Click Right Mouse Button",
                         "Turn Off Monitor",
                         "Activate Screensaver",
                         "Eject/Close Cdrom Driver",
                         "KeySequence",
                         "Run"};
  const auto& table = actions.ActionTable();
  for (int i = 0; i < Actions::kActionCount; ++i) {
    EXPECT_EQ(table[i].Name, names[i]);
    for (int j = 0; j < i; ++j) EXPECT_NE(table[i].Proc, table[j].Proc) << i << " " << j;
  }
  EXPECT_EQ(table[17].Proc, &Actions::ActKeySequence);
  EXPECT_EQ(table[0].Proc, &Actions::ActCleanText);
}

// The dispatcher names a target by KeyNameOfCode of its code: every action code must find its
// row, and every row must be an action the catalogue knows.
TEST_F(ActionsTest, EveryCatalogueActionCodeRunsItsAction) {
  std::vector<int> codes;
  for (int c = 501; c <= 515; ++c) codes.push_back(c);
  for (int c = 601; c <= 604; ++c) codes.push_back(c);
  volume.value = 100;
  for (int code : codes) {
    std::string name(KeyNameOfCode(code));
    std::string parameter = code == 603 ? "KeyDown A," : "65";
    EXPECT_NE(Run(name, parameter), "") << code << " " << name;
  }
  for (const TActionEntry& row : actions.ActionTable()) {
    int code = KeyCodeOfName(row.Name);
    EXPECT_TRUE((code > 500 && code < 600) || code > 600) << row.Name;
  }
}

TEST_F(ActionsTest, OnlyExactNamesRunAnything) {
  for (const char* name : {"TypeText3", "KeySequence12", "Internet Explorer", "typetext",
                           "Volume up", "CleanText ", "", "A"}) {
    EXPECT_EQ(Run(name, "x"), "") << name;
  }
  EXPECT_FALSE(actions.Queue().Busy());
}

TEST_F(ActionsTest, NothingRunsBeforeTheTableIsFilled) {
  Actions fresh(ActionDevices{keys, clipboard, power, media, mouse, windows, volume, kAppWindow},
                scheduler, nullptr);
  fresh.RunAction("CleanText", "");
  scheduler.RunAll();
  EXPECT_EQ(journal.Text(), "");
  fresh.FillActionTable();
  fresh.RunAction("CleanText", "");
  scheduler.RunAll();
  EXPECT_EQ(journal.Text(), "+17 +65 -65 -17 +8 -8");
}

}  // namespace
}  // namespace zv::testing_actions
