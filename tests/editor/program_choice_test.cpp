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
  // The box as one line: its items, the chosen one in brackets, then the off box and the
  // Unchanged target when they are offered ("All programs|[notepad.exe]|Add program... off").
  void SetProgramItems(const Texts& items, int chosen) override {
    box.clear();
    for (std::size_t i = 0; i < items.size(); ++i) {
      const bool isChosen = static_cast<int>(i) == chosen;
      box += (i ? "|" : "") + (isChosen ? "[" + items[i] + "]" : items[i]);
    }
  }
  void ShowProgramOffBox(bool shown, bool checked) override {
    offBox = shown ? (checked ? " OFF" : " off") : "";
  }
  void OfferUnchangedTarget(bool offered) override { unchanged = offered ? " unchanged" : ""; }
  std::string ChooseProgramToAdd(const Texts& open) override {
    offered = open;
    return answer;
  }
  std::string Box() const { return box + offBox + unchanged; }
  void Add(const std::string& name) {  // "Add program..." answered by a name, a path or ""
    answer = name;
    choice.Picked(static_cast<int>(std::count(box.begin(), box.end(), '|')));
  }
  std::string Own(const std::string& key) {
    return settings.ReadString("SwapKey notepad.exe", key, "none");
  }

  std::string box, offBox, unchanged, answer;
  Texts offered;
  fake::FakeOpenPrograms open;
  ProgramChoice choice{ProgramChoiceParts{*this, settings, open, editor}};
};

TEST_F(ProgramChoosing, AProgramAddedFromTheOpenWindowsGetsItsOwnMappings) {
  Change("A", "B");
  Change("C", kUnchangedTarget);  // no target for all programs
  EXPECT_EQ(Box(), "[All programs]|Add program...");
  open.names = {"notepad.exe", "Explorer.EXE", "Notepad.exe", "calc.exe"};
  Add("");  // cancelled
  EXPECT_EQ(offered, (Texts{"calc.exe", "Explorer.EXE", "notepad.exe"}));
  EXPECT_EQ(Box(), "[All programs]|Add program...");
  Add("notepad.exe");
  EXPECT_EQ(Box(), "All programs|[notepad.exe]|Add program... off unchanged");
  EXPECT_TRUE(window.Rows(kKeyboard).empty());

  Change("A", "C");
  Change("C", kUnchangedTarget);
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"A=C", "C=Unchanged"}));
  window.Select(kKeyboard, "A");
  editor.ResetKey();
  EXPECT_EQ(Own("A") + SwapKey("A") + SwapKey("C"), "noneBnone");

  // A path from the file dialog names the program; a known name in other letters chooses it.
  Add("C:\\Games\\Game.exe");
  Add("NOTEPAD.EXE");
  EXPECT_EQ(Box(), "All programs|[notepad.exe]|Game.exe|Add program... off unchanged");
  choice.Picked(0);
  EXPECT_EQ(window.Listed(kKeyboard), Texts{"A=B"});
}

TEST_F(ProgramChoosing, AProgramNamedOutsideAsciiIsOneProgramInAnyLetterCase) {
  open.names = {"Ärger.exe", "ÄRGER.EXE", "ärger.exe"};
  Add("");
  EXPECT_EQ(offered, Texts{"Ärger.exe"});
  Add("Ärger.exe");
  Change("A", "B");
  Add("C:\\Tools\\äRGER.EXE");
  Change("C", "D");
  EXPECT_EQ(Box(), "All programs|[Ärger.exe]|Add program... off unchanged");
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"A=B", "C=D"}));
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
  EXPECT_EQ(Own("A") + SwapKey("A"), "noneB");

  // With all programs shown, the mappings of single programs stay, and so do their codes.
  Change("Q", "W");
  choice.Picked(0);
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
  // Another file: its programs fill the box; the chosen one stays chosen, with its list.
  files.Put("C:\\zv\\Keydat.qnp", "[SwapKey Edit.exe]\r\nA=B\r\n[Programs]\r\ngame.exe=Off\r\n");
  choice.Load();
  EXPECT_EQ(Box(), "All programs|Edit.exe|[game.exe]|Add program... OFF unchanged");
  choice.Picked(1);
  EXPECT_EQ(window.Listed(kKeyboard), Texts{"A=B"});
  choice.Picked(2);
  choice.OffClicked(false);
  EXPECT_EQ(Box(), "All programs|Edit.exe|[game.exe]|Add program... off unchanged");
  EXPECT_EQ(files.Get("C:\\zv\\Keydat.qnp").find("Programs"), std::string::npos);
}

}  // namespace
}  // namespace zv::testing_editor
