// The Program box on the Keyboard Map: choosing a program (also through "Add program..."), its
// own list edited by Change, Reset Key and Reset All, "No mappings in this program", and the
// "Unchanged" target offered only while a program is chosen; layers.
#include "ui/program_choice.h"

#include <gtest/gtest.h>

#include "catalogue/key_catalogue.h"
#include "catalogue/shortcut_name.h"
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
  std::optional<std::string> AskLayerName() override {  // none left: cancelled
    if (layerNames.empty()) return std::nullopt;
    std::string name = layerNames.front();
    layerNames.erase(layerNames.begin());
    return name;
  }
  void ShowMessage(const std::string& text) override { window.ShowMessage(text); }
  std::string Box() const { return box + offBox + unchanged; }
  int Items() const { return static_cast<int>(std::count(box.begin(), box.end(), '|')) + 1; }
  void Add(const std::string& name) {  // "Add program..." answered by a name, a path or ""
    answer = name;
    choice.Picked(Items() - 2);
  }
  std::string Own(const std::string& key) {
    return settings.ReadString("SwapKey notepad.exe", key, "none");
  }

  std::string box, offBox, unchanged, answer;
  Texts offered;
  Texts layerNames;  // the "Add layer" prompt's answers, one per showing
  fake::FakeOpenPrograms open;
  ProgramChoice choice{ProgramChoiceParts{*this, settings, open, editor}};
};

TEST_F(ProgramChoosing, AProgramAddedFromTheOpenWindowsGetsItsOwnMappings) {
  Change("A", "B");
  Change("C", kUnchangedTarget);  // no target for all programs
  EXPECT_EQ(Box(), "[All programs]|Add program...|Add layer...");
  open.names = {"notepad.exe", "Explorer.EXE", "Notepad.exe", "calc.exe"};
  Add("");  // cancelled
  EXPECT_EQ(offered, (Texts{"calc.exe", "Explorer.EXE", "notepad.exe"}));
  EXPECT_EQ(Box(), "[All programs]|Add program...|Add layer...");
  Add("notepad.exe");
  EXPECT_EQ(Box(), "All programs|[notepad.exe]|Add program...|Add layer... off unchanged");
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
  EXPECT_EQ(Box(), "All programs|[notepad.exe]|Game.exe|Add program...|Add layer... off unchanged");
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
  EXPECT_EQ(Box(), "All programs|[Ärger.exe]|Add program...|Add layer... off unchanged");
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
  EXPECT_EQ(Box(), "All programs|Edit.exe|[game.exe]|Add program...|Add layer... OFF unchanged");
  choice.Picked(1);
  EXPECT_EQ(window.Listed(kKeyboard), Texts{"A=B"});
  choice.Picked(2);
  choice.OffClicked(false);
  EXPECT_EQ(Box(), "All programs|Edit.exe|[game.exe]|Add program...|Add layer... off unchanged");
  EXPECT_EQ(files.Get("C:\\zv\\Keydat.qnp").find("Programs"), std::string::npos);
}

// A layer of the file and one added through "Add layer..." are chosen and edited as all
// programs are, with single keys only: no off box, no "Unchanged", no shortcut.
TEST_F(ProgramChoosing, LayersAreListedAddedAndEditedOnTheirOwn) {
  files.Put("C:\\zv\\Keydat.qnp", "[SwapKey Edit.exe]\r\nA=B\r\n[Layer Nav]\r\nJ=Left Arrow\r\n");
  choice.Load();
  layerNames = {"", "a]b", "Sym"};  // refused twice, each time said why
  choice.Picked(Items() - 1);
  window.modifiers = kModCtrl;
  Change("K", "Down Arrow");
  window.modifiers = 0;
  Change("K", kUnchangedTarget);
  Change("K", "Down Arrow");
  EXPECT_EQ(Shown(), (Texts{"message " + LayerNameRefusal(""), "message " + LayerNameRefusal("]"),
                            std::string("message ") + kLayerShortcutRefusal, "tip ChangeSuc"}));
  choice.Load();
  EXPECT_EQ(Box(), "All programs|Edit.exe|Layer: Nav|[Layer: Sym]|Add program...|Add layer...");
  choice.Picked(2);
  EXPECT_EQ(window.Listed(kKeyboard), Texts{"J=Left Arrow"});
  window.answers = {true};
  editor.ResetAll();
  EXPECT_EQ(Shown(), Texts{"ok? Are you sure you want to reset all keys in Layer Nav?"});
  EXPECT_EQ(Layers(settings.Current()), Texts{"Sym"});
}

}  // namespace
}  // namespace zv::testing_editor
