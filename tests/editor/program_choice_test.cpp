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

class ProgramChoosing : public ::testing::Test, public EditorRig, public ProgramChoiceView {
 protected:
  void SetUp() override { choice.Load(); }
  void SetProgramItems(const Texts& all, int index) override { items = all, chosen = index; }
  void ShowProgramOffBox(bool shown, bool checked) override { off = shown ? checked : -1; }
  void OfferUnchangedTarget(bool offered) override { unchangedOffered = offered; }
  std::string ChooseProgramToAdd(const Texts& open) override {
    offered = open;
    return dialogAnswer;
  }
  void Add(const std::string& answer) {  // "Add program..." answered by a name, a path or ""
    dialogAnswer = answer;
    choice.Picked(static_cast<int>(items.size()) - 1);
  }
  std::string Chosen() const { return items.at(chosen); }
  std::string Own(const std::string& key) {
    return settings.ReadString("SwapKey notepad.exe", key, "none");
  }

  Texts items, offered;
  int chosen = -1, off = -1;  // off: -1 hidden, else checked
  bool unchangedOffered = false;
  std::string dialogAnswer;
  fake::FakeOpenPrograms open;
  ProgramChoice choice{ProgramChoiceParts{*this, settings, open, editor}};
};

TEST_F(ProgramChoosing, AProgramAddedFromTheOpenWindowsGetsItsOwnMappings) {
  Change("A", "B");
  Change("C", kUnchangedTarget);  // no target for all programs
  EXPECT_EQ(items, (Texts{"All programs", "Add program..."}));
  EXPECT_EQ(off, -1);
  EXPECT_FALSE(unchangedOffered);

  open.names = {"notepad.exe", "Explorer.EXE", "Notepad.exe", "calc.exe"};
  Add("");  // cancelled
  EXPECT_EQ(offered, (Texts{"calc.exe", "Explorer.EXE", "notepad.exe"}));
  EXPECT_EQ(Chosen(), "All programs");
  Add("notepad.exe");
  EXPECT_EQ(items, (Texts{"All programs", "notepad.exe", "Add program..."}));
  EXPECT_EQ(off, 0);
  EXPECT_TRUE(unchangedOffered);
  EXPECT_TRUE(window.Rows(kKeyboard).empty());

  Change("A", "C");
  Change("C", kUnchangedTarget);
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"A=C", "C=Unchanged"}));
  window.Select(kKeyboard, "A");
  editor.ResetKey();
  EXPECT_EQ(Own("A"), "none");
  EXPECT_EQ(SwapKey("A"), "B");
  EXPECT_EQ(SwapKey("C"), "none");

  // A path from the file dialog names the program; a known name in other letters chooses it.
  Add("C:\\Games\\Game.exe");
  EXPECT_EQ(Chosen(), "Game.exe");
  Add("NOTEPAD.EXE");
  EXPECT_EQ(Chosen(), "notepad.exe");
  EXPECT_EQ(items.size(), 4u);
  choice.Picked(0);
  EXPECT_EQ(window.Listed(kKeyboard), Texts{"A=B"});
  EXPECT_FALSE(unchangedOffered);
}

TEST_F(ProgramChoosing, ResetAllRemovesOnlyTheShownListsMappings) {
  Change("A", "B");
  Add("notepad.exe");
  Change("A", "C");
  Shown();
  window.answers = {true};
  editor.ResetAll();
  EXPECT_EQ(Shown(), Texts{"ok? Are you sure you want to reset all keys in notepad.exe?"});
  EXPECT_TRUE(window.Rows(kKeyboard).empty());
  EXPECT_EQ(SwapKey("A"), "B");
  EXPECT_EQ(Own("A"), "none");

  // With all programs shown, the mappings of single programs stay, and so do their codes.
  Change("Q", "W");
  choice.Picked(0);
  EXPECT_TRUE(editor.HasMappings());
  window.answers = {true};
  editor.ResetAll();
  EXPECT_EQ(Own("Q"), "W");
  EXPECT_TRUE(IsInterceptedCode(settings, 81));
  EXPECT_FALSE(IsInterceptedCode(settings, 65));
  EXPECT_TRUE(editor.HasMappings());  // the list is empty, the engine still has work
}

TEST_F(ProgramChoosing, NoMappingsInThisProgramIsStoredShownAndKeptOverAReload) {
  Add("game.exe");
  choice.OffClicked(true);
  EXPECT_EQ(off, 1);
  EXPECT_TRUE(ProgramOff(settings.Current(), "game.exe"));
  // Another file: its programs fill the box; the chosen one stays chosen, with its list.
  files.Put("C:\\zv\\Keydat.qnp", "[SwapKey Edit.exe]\r\nA=B\r\n[Programs]\r\ngame.exe=Off\r\n");
  choice.Load();
  EXPECT_EQ(items, (Texts{"All programs", "Edit.exe", "game.exe", "Add program..."}));
  EXPECT_EQ(Chosen(), "game.exe");
  EXPECT_EQ(off, 1);
  choice.Picked(1);
  EXPECT_EQ(window.Listed(kKeyboard), Texts{"A=B"});
  choice.Picked(2);
  choice.OffClicked(false);
  EXPECT_EQ(off, 0);
  EXPECT_EQ(files.Get("C:\\zv\\Keydat.qnp").find("Programs"), std::string::npos);
}

}  // namespace
}  // namespace zv::testing_editor
