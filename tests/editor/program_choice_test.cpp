// The Program box on the Keyboard Map: choosing a program (also through "Add program..."), its
// own list edited by Change, Reset Key and Reset All, "No mappings in this program", and the
// "Unchanged" target offered only while a program is chosen.
#include "ui/program_choice.h"

#include <gtest/gtest.h>

#include "catalogue/key_catalogue.h"
#include "platform/fake/fake_open_programs.h"
#include "settings/mapping_store.h"
#include "tests/editor/editor_rig.h"

namespace zv::testing_editor {
namespace {

using Texts = std::vector<std::string>;
constexpr auto kKeyboard = MapList::SwapKeyList;

struct FakeProgramView : ProgramChoiceView {
  Texts items;
  int chosen = -1;
  bool offShown = false, offChecked = false, unchangedOffered = false;
  Texts offered;             // what the last "Add program..." dialog listed
  std::string dialogAnswer;  // its answer: a name, a path, or "" for Cancel

  void SetProgramItems(const Texts& all, int index) override {
    items = all;
    chosen = index;
  }
  void ShowProgramOffBox(bool shown, bool checked) override {
    offShown = shown;
    offChecked = checked;
  }
  void OfferUnchangedTarget(bool offered) override { unchangedOffered = offered; }
  std::string ChooseProgramToAdd(const Texts& open) override {
    offered = open;
    return dialogAnswer;
  }
  std::string Chosen() const { return items.at(chosen); }
};

class ProgramChoosing : public ::testing::Test, public EditorRig {
 protected:
  void SetUp() override { choice.Load(); }
  void Add(const std::string& answer) {
    view.dialogAnswer = answer;
    choice.Picked(static_cast<int>(view.items.size()) - 1);
  }
  std::string File() { return files.Get("C:\\zv\\Keydat.qnp"); }

  FakeProgramView view;
  fake::FakeOpenPrograms open;
  ProgramChoice choice{ProgramChoiceParts{view, settings, open, editor}};
};

TEST_F(ProgramChoosing, AProgramAddedFromTheOpenWindowsGetsItsOwnMappings) {
  Change("A", "B");
  EXPECT_EQ(view.items, (Texts{"All programs", "Add program..."}));
  EXPECT_FALSE(view.offShown || view.unchangedOffered);
  Change("C", kUnchangedTarget);  // no target for all programs
  EXPECT_EQ(SwapKey("C"), "none");

  open.names = {"notepad.exe", "Explorer.EXE", "Notepad.exe", "calc.exe"};
  Add("");  // cancelled: nothing changes
  EXPECT_EQ(view.offered, (Texts{"calc.exe", "Explorer.EXE", "notepad.exe"}));
  EXPECT_EQ(view.Chosen(), "All programs");
  Add("notepad.exe");
  EXPECT_EQ(view.items, (Texts{"All programs", "notepad.exe", "Add program..."}));
  EXPECT_EQ(view.Chosen(), "notepad.exe");
  EXPECT_TRUE(view.offShown && view.unchangedOffered);
  EXPECT_TRUE(window.Rows(kKeyboard).empty());

  Change("A", "C");
  Change("C", kUnchangedTarget);
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"A=C", "C=Unchanged"}));
  EXPECT_EQ(SwapKey("A"), "B");
  EXPECT_EQ(settings.ReadString("SwapKey notepad.exe", "C", ""), "Unchanged");
  window.Select(kKeyboard, "A");
  editor.ResetKey();
  EXPECT_EQ(SwapKey("A"), "B");
  EXPECT_EQ(settings.ReadString("SwapKey notepad.exe", "A", "none"), "none");

  // A path from the file dialog names the program; a known name in other letters chooses it.
  Add("C:\\Games\\Game.exe");
  EXPECT_EQ(view.Chosen(), "Game.exe");
  Add("NOTEPAD.EXE");
  EXPECT_EQ(view.Chosen(), "notepad.exe");
  EXPECT_EQ(view.items.size(), 4u);
  choice.Picked(0);
  EXPECT_EQ(window.Listed(kKeyboard), Texts{"A=B"});
  EXPECT_FALSE(view.offShown || view.unchangedOffered);
}

TEST_F(ProgramChoosing, ResetAllRemovesOnlyTheShownListsMappings) {
  Change("A", "B");
  Add("notepad.exe");
  Change("A", "C");
  prompter.answers = {"hi"};
  Change("F1", "TypeText");
  Shown();
  window.answers = {true};
  editor.ResetAll();
  EXPECT_EQ(Shown(), Texts{"ok? Are you sure you want to reset all keys in notepad.exe?"});
  EXPECT_TRUE(window.Rows(kKeyboard).empty());
  EXPECT_EQ(SwapKey("A"), "B");
  EXPECT_TRUE(settings.ReadSection("SwapKey notepad.exe").empty());

  // With all programs shown, the mappings of single programs stay.
  Change("Q", "W");
  choice.Picked(0);
  window.answers = {true};
  editor.ResetAll();
  EXPECT_TRUE(settings.ReadSection("SwapKey").empty());
  EXPECT_EQ(settings.ReadString("SwapKey notepad.exe", "Q", ""), "W");
  EXPECT_TRUE(IsInterceptedCode(settings, 81));
  EXPECT_FALSE(IsInterceptedCode(settings, 65));
}

TEST_F(ProgramChoosing, NoMappingsInThisProgramIsStoredShownAndKeptOverAReload) {
  Add("game.exe");
  choice.OffClicked(true);
  EXPECT_TRUE(view.offChecked);
  EXPECT_TRUE(ProgramOff(settings.Current(), "game.exe"));
  choice.Picked(0);
  choice.OffClicked(true);  // no program: nothing to switch off
  EXPECT_FALSE(ProgramOff(settings.Current(), ""));

  // Another file: its programs fill the box, the chosen one stays chosen with its list.
  files.Put("C:\\zv\\Keydat.qnp", "[SwapKey Edit.exe]\r\nA=B\r\n[Programs]\r\ngame.exe=Off\r\n");
  choice.Picked(1);
  choice.Load();
  EXPECT_EQ(view.items, (Texts{"All programs", "Edit.exe", "game.exe", "Add program..."}));
  EXPECT_EQ(view.Chosen(), "game.exe");
  EXPECT_TRUE(view.offShown && view.offChecked);
  choice.Picked(1);
  EXPECT_EQ(window.Listed(kKeyboard), Texts{"A=B"});
  choice.Picked(2);
  choice.OffClicked(false);
  EXPECT_FALSE(view.offChecked);
  EXPECT_EQ(File().find("Programs"), std::string::npos);
}

}  // namespace
}  // namespace zv::testing_editor
