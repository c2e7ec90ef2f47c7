#include "settings/mapping_store.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "catalogue/source_key_names.h"
#include "common/error.h"
#include "platform/fake/fake_files.h"
#include "settings/settings.h"
#include "tests/settings/ini_lines.h"

namespace zv {
namespace {
using testing_settings::Lines;
using Texts = std::vector<std::string>;

const char* const kPath = "C:\\zv\\Keydat.qnp";

class MappingStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { PrepareSettingsFile(file); }
  std::string SwapKey(const std::string& source) {
    return file.ReadString("SwapKey", source, "Null");
  }
  std::string Parameter(const std::string& section) {
    return file.ReadString(section, "Parameter", "missing");
  }
  int Count(const std::string& action) { return ParameterCount(file, action); }

  fake::FakeFiles files;
  SettingsFile file{files, kPath};
};

using StoringMappings = MappingStoreTest;

TEST_F(StoringMappings, APlainTargetWritesBothEntriesAndTheCode) {
  EXPECT_TRUE(StoreMapping(file, "A", "DisableKey", " "));
  EXPECT_EQ(SwapKey("A"), "DisableKey");
  EXPECT_EQ(file.ReadString("SwapScrKeyCode", "A", "-"), "65");
  EXPECT_EQ(InterceptedCodes(file), Texts{"65"});
  EXPECT_EQ(ReadSetting(file, "DisableKey", "Index"), "1");
  std::string once = files.Get(kPath);
  StoreMapping(file, "A", "DisableKey", " ");
  EXPECT_EQ(files.Get(kPath), once);
}

TEST_F(StoringMappings, ParameterisedTargetsAreNumberedInOrderPerAction) {
  StoreMapping(file, "X", "TypeText", "one");
  StoreMapping(file, "Y", "KeySequence", "65,");
  StoreMapping(file, "Z", "TypeText", "two");
  EXPECT_EQ(SwapKey("X"), "TypeText1");
  EXPECT_EQ(SwapKey("Y"), "KeySequence1");
  EXPECT_EQ(SwapKey("Z"), "TypeText2");
  EXPECT_EQ(Parameter("TypeText2"), "two");
  EXPECT_EQ(Count("TypeText"), 2);
  EXPECT_EQ(Count("KeySequence"), 1);
  EXPECT_EQ(Count("KeyCombination"), 0);
  EXPECT_EQ(file.ReadString("SwapScrKeyCode", "Y", "-"), "89");
}

TEST_F(StoringMappings, ANewTargetKeepsTheOldSectionAndAddsNoSecondCode) {
  StoreMapping(file, "Q", "TypeText", "old");
  StoreMapping(file, "Q", "KeyCombination", "16449");
  EXPECT_EQ(SwapKey("Q"), "KeyCombination1");
  EXPECT_EQ(Parameter("TypeText1"), "old");
  EXPECT_EQ(Count("TypeText"), 1);
  EXPECT_EQ(InterceptedCodes(file), Texts{"81"});
}

TEST_F(StoringMappings, TheSignatureIsRestoredByEveryMapping) {
  ResetSettingsFile(file);
  StoreMapping(file, "B", "Tab", " ");
  EXPECT_TRUE(IsSettingsFile(file));
}

using RemovingMappings = MappingStoreTest;

TEST_F(RemovingMappings, RemovingTheFirstOfThreeMovesTheLastIntoItsPlace) {
  StoreMapping(file, "X", "TypeText", "x");
  StoreMapping(file, "Y", "TypeText", "y");
  StoreMapping(file, "Z", "TypeText", "z");
  RemoveMapping(file, "X");
  EXPECT_EQ(SwapKey("X"), "Null");
  EXPECT_EQ(SwapKey("Y"), "TypeText2");
  EXPECT_EQ(SwapKey("Z"), "TypeText1");
  EXPECT_EQ(Parameter("TypeText1"), "z");
  EXPECT_EQ(Parameter("TypeText2"), "y");
  EXPECT_FALSE(file.ValueExists("TypeText3", "Parameter"));
  EXPECT_EQ(Count("TypeText"), 2);
  EXPECT_EQ(InterceptedCodes(file), (Texts{"89", "90"}));
  EXPECT_FALSE(file.ValueExists("SwapScrKeyCode", "X"));
}

TEST_F(RemovingMappings, RemovingTheLastErasesItsSectionAndTouchesNoOtherValue) {
  StoreMapping(file, "X", "TypeText", "x");
  StoreMapping(file, "Y", "TypeText", "y");
  StoreMapping(file, "Z", "TypeText", "z");
  RemoveMapping(file, "Z");
  EXPECT_EQ(SwapKey("X"), "TypeText1");
  EXPECT_EQ(SwapKey("Y"), "TypeText2");
  EXPECT_EQ(Parameter("TypeText1"), "x");
  EXPECT_EQ(Parameter("TypeText2"), "y");
  EXPECT_EQ(file.ReadSections(), (Texts{"Settings", "SwapKey", "SwapScrKeyCode", "TypeText1",
                                        "TypeText2", "DisableKey"}));
  EXPECT_EQ(Count("TypeText"), 2);
}

TEST_F(RemovingMappings, RemovingEveryMappingLeavesNoParameterSectionOrCode) {
  for (const char* key : {"1", "2", "3"}) StoreMapping(file, key, "KeySequence", key);
  for (const char* key : {"2", "1", "3"}) RemoveMapping(file, key);
  EXPECT_EQ(Count("KeySequence"), 0);
  EXPECT_TRUE(file.ReadSection("SwapKey").empty());
  EXPECT_TRUE(InterceptedCodes(file).empty());
  EXPECT_EQ(ReadSetting(file, "DisableKey", "Index"), "0");
  for (const std::string& s : file.ReadSections())
    EXPECT_EQ(s.find("KeySequence"), std::string::npos);
}

TEST_F(RemovingMappings, OtherActionsKeepTheirNumbers) {
  StoreMapping(file, "A", "TypeText", "a");
  StoreMapping(file, "B", "KeyCombination", "1");
  StoreMapping(file, "C", "KeyCombination", "2");
  StoreMapping(file, "D", "TypeText", "d");
  RemoveMapping(file, "A");
  EXPECT_EQ(SwapKey("B"), "KeyCombination1");
  EXPECT_EQ(SwapKey("C"), "KeyCombination2");
  EXPECT_EQ(SwapKey("D"), "TypeText1");
  EXPECT_EQ(Parameter("KeyCombination2"), "2");
}

TEST_F(RemovingMappings, AKeyWithoutMappingChangesNothing) {
  StoreMapping(file, "A", "B", " ");
  std::string before = files.Get(kPath);
  RemoveMapping(file, "C");
  RemoveMapping(file, "            C");
  EXPECT_EQ(files.Get(kPath), before);
}

TEST_F(RemovingMappings, RowCaptionsWithLeadingBlanksReachTheirKey) {
  StoreMapping(file, "Num 5", "TypeText", "five");
  RemoveMapping(file, "            Num 5");
  EXPECT_TRUE(file.ReadSection("SwapKey").empty());
  EXPECT_TRUE(InterceptedCodes(file).empty());
  EXPECT_EQ(Count("TypeText"), 0);
}

TEST_F(RemovingMappings, KeysSharingTheUnknownCodeListItOnceAndRemoveItOnce) {
  StoreMapping(file, "Hand Made", "Tab", " ");
  StoreMapping(file, "Other Made", "Enter", " ");
  StoreMapping(file, "A", "B", " ");
  EXPECT_EQ(InterceptedCodes(file), (Texts{"-1", "65"}));
  RemoveMapping(file, "Hand Made");  // "Other Made" still maps the code
  EXPECT_EQ(InterceptedCodes(file), (Texts{"-1", "65"}));
  RemoveMapping(file, "Other Made");
  EXPECT_EQ(InterceptedCodes(file), Texts{"65"});
  EXPECT_TRUE(file.ReadSection("SwapScrKeyCode") == Texts{"A"});
}

TEST_F(StoringMappings, ListNamesOfPhysicalKeysRecordThoseKeysCodes) {
  // The key table knows "Volume Up" only as an action and has no "NumLock" or "WWW Back" row;
  // as source keys they stand for the physical keys.
  const std::pair<const char*, const char*> keys[] = {{"Volume Up", "175"},
                                                      {"Volume Down", "174"},
                                                      {"NumLock", "144"},
                                                      {"WWW Back", "166"},
                                                      {"WWW Forward", "167"}};
  for (const auto& [name, code] : keys) StoreMapping(file, name, "A", " ");
  EXPECT_EQ(InterceptedCodes(file), (Texts{"175", "174", "144", "166", "167"}));
  for (const auto& [name, code] : keys)
    EXPECT_EQ(file.ReadString("SwapScrKeyCode", name, ""), code) << name;
  for (const auto& [name, code] : keys) RemoveMapping(file, name);
  EXPECT_TRUE(InterceptedCodes(file).empty());
}

TEST_F(RemovingMappings, SemicolonAndEqualsMapAndRemoveLikeAnyKey) {
  StoreMapping(file, ";", "TypeText", "semi");
  StoreMapping(file, "=", "TypeText", "equals");
  EXPECT_EQ(file.ReadSection("SwapKey"), (Texts{";", "="}));
  EXPECT_EQ(SwapKey(";"), "TypeText1");
  EXPECT_EQ(file.ReadString("SwapScrKeyCode", "=", "-"), "187");
  EXPECT_EQ(InterceptedCodes(file), (Texts{"186", "187"}));
  RemoveMapping(file, "            ;");
  EXPECT_EQ(SwapKey("="), "TypeText1");
  EXPECT_EQ(Parameter("TypeText1"), "equals");
  RemoveMapping(file, "=");
  EXPECT_TRUE(file.ReadSection("SwapKey").empty());
  EXPECT_TRUE(file.ReadSection("SwapScrKeyCode").empty());
  EXPECT_TRUE(InterceptedCodes(file).empty());
}

using InterceptedCodeList = MappingStoreTest;

TEST_F(InterceptedCodeList, EntriesStayDenseInOrder) {
  for (int code : {65, 66, 67, 68}) AddInterceptedCode(file, code);
  AddInterceptedCode(file, 66);
  EXPECT_TRUE(IsInterceptedCode(file, 66));
  RemoveInterceptedCode(file, 66);
  EXPECT_FALSE(IsInterceptedCode(file, 66));
  EXPECT_EQ(file.ReadSection("DisableKey"), (Texts{"KeyCode1", "KeyCode2", "KeyCode3", "Index"}));
  EXPECT_EQ(InterceptedCodes(file), (Texts{"65", "67", "68"}));
  EXPECT_EQ(ReadSetting(file, "DisableKey", "Index"), "3");
  RemoveInterceptedCode(file, 99);  // not listed: unchanged
  EXPECT_EQ(InterceptedCodes(file), (Texts{"65", "67", "68"}));
}

TEST_F(InterceptedCodeList, TempCodeIsNoEntryAndIsDroppedOnRewrite) {
  files.Put(kPath, Lines({"[DisableKey]", "Index=2", "TempCode=66", "KeyCode1=65", "KeyCode2=67"}));
  EXPECT_EQ(InterceptedCodes(file), (Texts{"65", "67"}));
  EXPECT_FALSE(IsInterceptedCode(file, 66));
  RemoveInterceptedCode(file, 65);
  EXPECT_EQ(files.Get(kPath), Lines({"[DisableKey]", "KeyCode1=67", "Index=1"}));
}

TEST_F(InterceptedCodeList, AnEmptyListIsLeftAlone) {
  std::string before = files.Get(kPath);
  RemoveInterceptedCode(file, 65);
  EXPECT_EQ(files.Get(kPath), before);
}

TEST_F(InterceptedCodeList, AHandEditedCodeFailsStrictlyBeforeAnythingChanges) {
  files.Put(kPath, Lines({"[DisableKey]", "Index=2", "KeyCode1=6S", "KeyCode2=67"}));
  std::string before = files.Get(kPath);
  try {
    RemoveInterceptedCode(file, 67);
    FAIL() << "6S is no integer";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'6S' is not a valid integer value");
  }
  EXPECT_EQ(files.Get(kPath), before);
}

TEST_F(InterceptedCodeList, ADocumentCanBeAskedDirectly) {
  StoreMapping(file, "A", "B", " ");
  const IniDocument& doc = file.Current();
  EXPECT_TRUE(IsInterceptedCode(doc, 65));
  EXPECT_EQ(InterceptedCodes(doc), Texts{"65"});
}

using MappingStoreFailures = MappingStoreTest;

TEST_F(MappingStoreFailures, AReadOnlyFileStopsStoringAtTheFirstWrite) {
  files.SetReadOnly(kPath, true);
  std::string before = files.Get(kPath);
  try {
    StoreMapping(file, "A", "TypeText", "x");
    FAIL() << "the file is read-only";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Unable to write to C:\\zv\\Keydat.qnp");
  }
  EXPECT_EQ(files.Get(kPath), before);
}

TEST_F(MappingStoreFailures, ABadCountStopsTheStoreWithItsText) {
  WriteSetting(file, "Settings", "TypeTextCount", "two");
  EXPECT_THROW(StoreMapping(file, "A", "TypeText", "x"), Error);
  EXPECT_FALSE(file.ValueExists("SwapKey", "A"));
  // A hand-edited count that has no next number is refused, never wrapped round.
  WriteSetting(file, "Settings", "TypeTextCount", "2147483647");
  EXPECT_THROW(StoreMapping(file, "A", "TypeText", "x"), Error);
  EXPECT_EQ(file.ReadString("Settings", "TypeTextCount", ""), "2147483647");
}

TEST_F(MappingStoreFailures, AnErrorPartWayStoresTheWritesBeforeIt) {
  StoreMapping(file, "X", "TypeText", "x");
  StoreMapping(file, "Y", "TypeText", "y");
  WriteSetting(file, "DisableKey", "KeyCode1", "8S");  // X's entry, edited by hand
  // The section move, the renumbering and the count come before the bad read, and stay.
  EXPECT_THROW(RemoveMapping(file, "X"), Error);
  SettingsFile disk{files, kPath};  // what reached the file, not only the cache
  EXPECT_EQ(disk.ReadString("SwapKey", "Y", "Null"), "TypeText1");
  EXPECT_EQ(disk.ReadString("TypeText1", "Parameter", "missing"), "y");
  EXPECT_EQ(disk.ReadString("Settings", "TypeTextCount", "missing"), "1");
  EXPECT_FALSE(disk.ValueExists("TypeText2", "Parameter"));
}

TEST_F(MappingStoreFailures, EachOperationReplacesTheFileOnce) {
  const char* const sources[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"};
  for (const char* source : sources) StoreMapping(file, source, "TypeText", source);
  files.replaces = 0;
  RemoveMapping(file, "A");  // moves a section, renumbers, rewrites the intercepted codes
  EXPECT_EQ(files.replaces, 1);
  StoreMapping(file, "A", "KeySequence", "KeyDown A,");
  EXPECT_EQ(files.replaces, 2);
  EXPECT_EQ(SwapKey("J"), "TypeText1");
  EXPECT_EQ(InterceptedCodes(file).size(), 10u);
}

using ProgramMappings = MappingStoreTest;

// One story over three sources of the same code: all programs', notepad's and a game's (and a
// layer's key, never intercepted).
TEST_F(ProgramMappings, ACodeStaysInterceptedWhileAnyProgramStillMapsIt) {
  const std::string nav = LayerScope("Nav");
  struct Step {
    char op;  // '+' stores, '-' removes, '0' resets the program
    const char *source, *program;
    Texts codes;
  } const steps[] = {
      {'+', "A", "", {"65"}},
      {'+', "A", "notepad.exe", {"65"}},
      {'+', "F1", "Game.exe", {"65", "112"}},
      {'+', "J", nav.c_str(), {"65", "112"}},    // a layer's key: the engine swallows it itself
      {'-', "A", "NOTEPAD.EXE", {"65", "112"}},  // all programs' A still needs 65
      {'+', "A", "game.exe", {"65", "112"}},
      {'-', "A", "", {"65", "112"}},
      {'0', "", "GAME.exe", {}},
      {'0', "", nav.c_str(), {}},
  };
  for (const Step& step : steps) {
    if (step.op == '+') StoreMapping(file, step.source, "C", " ", step.program);
    if (step.op == '-') RemoveMapping(file, step.source, step.program);
    if (step.op == '0') RemoveProgramMappings(file, step.program);
    EXPECT_EQ(InterceptedCodes(file), step.codes) << step.op << step.source << step.program;
  }
  EXPECT_EQ(ProgramsWithMappings(file.Current()), Texts{"notepad.exe"});
  EXPECT_EQ(file.ReadSection("SwapScrKeyCode notepad.exe"), Texts{});
  EXPECT_EQ(files.Get(kPath).find("Nav"), std::string::npos);  // no code entry was written
}

TEST_F(ProgramMappings, ParameterSectionsAreNumberedOnceForAllPrograms) {
  StoreMapping(file, "X", "TypeText", "x");
  StoreMapping(file, "Y", "TypeText", "y", "notepad.exe");
  StoreMapping(file, "Z", "TypeText", "z", "game.exe");
  StoreMapping(file, "W", "TypeText", "w", "Notepad.exe");
  EXPECT_EQ(file.ReadString("SwapKey NOTEPAD.exe", "W", ""), "TypeText4");
  RemoveMapping(file, "X");  // the last section, notepad's W, fills the hole
  EXPECT_EQ(file.ReadString("SwapKey notepad.exe", "W", ""), "TypeText1");
  EXPECT_EQ(Parameter("TypeText1"), "w");
  RemoveProgramMappings(file, "notepad.exe");  // its Y and W go; the game's Z moves to 1
  EXPECT_EQ(file.ReadString("SwapKey game.exe", "Z", ""), "TypeText1");
  EXPECT_EQ(Parameter("TypeText1"), "z");
  EXPECT_EQ(Count("TypeText"), 1);
  EXPECT_EQ(InterceptedCodes(file), Texts{"90"});
  // A layer's targets share the numbering; its Reset All erases it.
  StoreMapping(file, "V", "TypeText", "v", LayerScope("Nav"));
  RemoveMapping(file, "Z", "game.exe");  // the layer's V fills the hole
  EXPECT_EQ(file.ReadString("Layer Nav", "V", "") + Parameter("TypeText1"), "TypeText1v");
  EXPECT_EQ(Layers(file.Current()), Texts{"Nav"});
  RemoveProgramMappings(file, LayerScope("Nav"));
  EXPECT_EQ(Count("TypeText") + Layers(file.Current()).size(), 0u);
  EXPECT_THROW(StoreMapping(file, "Ctrl+J", "K", " ", LayerScope("Nav")), Error);
}

TEST_F(ProgramMappings, OffEntriesAndProgramListings) {
  std::string before = files.Get(kPath);
  SetProgramOff(file, "Game.exe", true);
  SetProgramOff(file, "Game.exe", false);
  EXPECT_EQ(files.Get(kPath), before);  // no "Programs" section is left behind
  SetProgramOff(file, "Game.exe", true);
  EXPECT_TRUE(ProgramOff(file.Current(), "GAME.EXE"));
  StoreMapping(file, "A", kUnchangedTarget, " ", "notepad.exe");
  StoreMapping(file, "B", "C", " ", "GAME.exe");
  RemoveProgramMappings(file, "game.exe");
  EXPECT_EQ(ProgramsWithMappings(file.Current()), (Texts{"Game.exe", "notepad.exe"}));
  SetProgramOff(file, "game.exe", false);
  EXPECT_EQ(ProgramsWithMappings(file.Current()), Texts{"notepad.exe"});
  EXPECT_EQ(ProgramNameOfPath("C:\\Tools\\Edit.exe"), "Edit.exe");
}

// One story over shortcuts of all programs and of notepad beside a key: canonical names, one
// parameter numbering for all, no intercepted code, sections that go when emptied.
TEST_F(ProgramMappings, ShortcutsShareTheNumberingAndStayOutOfTheInterceptedList) {
  auto section = [&](const std::string& name) {
    std::string text;
    for (const std::string& key : file.ReadSection(name))
      text += key + "=" + file.ReadString(name, key, "") + " ";
    return text;
  };
  const char* const kVH = "Ctrl+Shift+V=TypeText2 Ctrl+H=BackSpace ";
  struct Step {
    char op;  // '+' stores, '-' removes, '0' resets the program
    const char *source, *target, *program, *all, *notepad, *keys;
  } const steps[] = {
      {'+', "X", "TypeText", "", "", "", "X=TypeText1 "},
      {'+', "ctrl + shift+v", "TypeText", "", "Ctrl+Shift+V=TypeText2 ", "", "X=TypeText1 "},
      {'+', "Ctrl+H", "BackSpace", "", kVH, "", "X=TypeText1 "},
      {'+', "Ctrl+H", kUnchangedTarget, "notepad.exe", kVH, "Ctrl+H=Unchanged ", "X=TypeText1 "},
      {'+', "alt+left ctrl+J", "TypeText", "Notepad.exe", kVH,
       "Ctrl+H=Unchanged Left Ctrl+Alt+J=TypeText3 ", "X=TypeText1 "},
      {'-', "X", "", "", kVH, "Ctrl+H=Unchanged Left Ctrl+Alt+J=TypeText1 ", ""},
      {'0', "", "", "NOTEPAD.EXE", "Ctrl+Shift+V=TypeText1 Ctrl+H=BackSpace ", "", ""},
      {'-', "Ctrl+H", "", "", "Ctrl+Shift+V=TypeText1 ", "", ""},
  };
  for (const Step& step : steps) {
    if (step.op == '+') StoreMapping(file, step.source, step.target, step.source, step.program);
    if (step.op == '-') RemoveMapping(file, step.source, step.program);
    if (step.op == '0') RemoveProgramMappings(file, step.program);
    EXPECT_EQ(section("SwapShortcut"), step.all) << step.source;
    EXPECT_EQ(section("SwapShortcut notepad.exe"), step.notepad) << step.source;
    EXPECT_EQ(section("SwapKey"), step.keys) << step.source;
    EXPECT_EQ(InterceptedCodes(file), *step.keys ? Texts{"88"} : Texts{}) << step.source;
  }
  EXPECT_EQ(Parameter("TypeText1"), "ctrl + shift+v");
  EXPECT_EQ(Count("TypeText"), 1);
  RemoveMapping(file, "shift+CTRL+v");
  EXPECT_EQ(files.Get(kPath).find("SwapShortcut"), std::string::npos);
}

using SectionMoves = MappingStoreTest;

TEST_F(SectionMoves, MoveCopiesEveryKeyInOrderThenErases) {
  files.Put(kPath, Lines({"[From]", "b=2", "a=1", "[To]", "z=0", "a=9"}));
  MoveSection(file, "From", "To");
  EXPECT_EQ(files.Get(kPath), Lines({"[To]", "z=0", "a=1", "b=2"}));
  MoveSection(file, "To", "To");
  EXPECT_TRUE(file.ReadSections().empty());
}

TEST_F(SectionMoves, RenumberPointsOnlyTheLastSectionsUsersAtTheHole) {
  files.Put(kPath, Lines({"[Settings]", "TypeTextCount=3", "[SwapKey]", "A=TypeText3",
                          "B=KeySequence3", "C=TypeText2", "D=TypeText3", "E=F3"}));
  RenumberReferences(file, "TypeText", 1);
  EXPECT_EQ(SwapKey("A"), "TypeText1");
  EXPECT_EQ(SwapKey("B"), "KeySequence3");
  EXPECT_EQ(SwapKey("C"), "TypeText2");
  EXPECT_EQ(SwapKey("D"), "TypeText1");
  EXPECT_EQ(SwapKey("E"), "F3");
}

// Checked against a model of every program's mappings (parameters read back as stored): the
// intercepted list is the codes of all mapped sources, parameter sections are dense, used once.
using Model = std::map<std::string, std::map<std::string, std::string>>;  // program, source
const Texts kSources = {"A", "B", "C", "D", "F1", "Num 5", "WWW Back", "Tab"};
const std::string kLongest(2047, 'x');

struct Storm {
  Storm(const std::string& text, const Model& start) {
    for (const auto& [program, mappings] : start) model[ProgramKey(program)] = mappings;
    files.Put(kPath, text);
  }

  // '+' stores (Modify's removal first), '-' removes, '0' resets the program, 'o' switches it.
  void Do(char op, const std::string& source, const std::string& program,
          const std::string& target = "TypeText", const std::string& parameter = " \"q\" ") {
    auto& mine = model[ProgramKey(program)];
    if (op == '0') RemoveProgramMappings(file, program);
    if (op == '0' && !program.empty()) mine.clear();
    if (op == 'o') SetProgramOff(file, "x.exe", source < "C");
    if (op == '-' || (op == '+' && mine.count(source))) RemoveMapping(file, source, program);
    if (op == '-') mine.erase(source);
    if (op == '+') StoreMapping(file, source, target, parameter, program);
    if (op == '+') mine[source] = IsParameterizedAction(target) ? target + ":" + parameter : target;
    if (mine.empty()) model.erase(ProgramKey(program));
  }

  void Check() {
    const IniDocument& doc = file.Current();
    Model seen;
    std::multiset<std::string> used, numbered, listed;
    std::set<std::string> codes;
    Texts programs = ProgramsWithMappings(doc);
    programs.push_back("");
    for (const std::string& program : programs)
      for (const std::string& source : kSources) {
        std::string value = doc.ReadString(SwapKeySectionIn(doc, program), source, "-");
        if (value == "-") continue;
        if (IsParameterizedAction(value)) {
          used.insert(value);
          value = StripNumberSuffix(value) + ":" + doc.ReadString(value, "Parameter", "");
        }
        seen[ProgramKey(program)][source] = value;
        codes.insert(std::to_string(SourceKeyCodeOfName(source)));
      }
    ASSERT_EQ(seen, model);
    for (const std::string& code : InterceptedCodes(doc)) listed.insert(code);
    ASSERT_EQ(listed, std::multiset<std::string>(codes.begin(), codes.end()));
    for (const char* action : {"TypeText", "KeySequence", "KeyCombination"})
      for (int n = 1; n <= ParameterCount(file, action); ++n)
        numbered.insert(action + std::to_string(n));
    ASSERT_EQ(used, numbered);
  }

  fake::FakeFiles files;
  SettingsFile file{files, kPath};
  Model model;
};

// Each file takes a step of the editor's that went wrong on it before, then random ones.
TEST(MappingStoreStorm, HandWrittenFilesThenRandomEdits) {
  const std::string listed = Lines({"[DisableKey]", "Index=1", "KeyCode1=65"});
  const std::string gap = Lines({"[DisableKey]", "Index=3", "KeyCode1=65", "KeyCode2=101",
                                 "KeyCode4=112", "[SwapKey]", "a=TypeText1", "Num 5=C", "f1=D",
                                 "[Settings]", "TypeTextCount=1", "[TypeText1]", "Parameter=hi"});
  const Model ab = {{"", {{"A", "B"}}}}, both = {{"", {{"A", "B"}}}, {"x.exe", {{"A", "C"}}}},
              gapped = {{"", {{"A", "TypeText:hi"}, {"Num 5", "C"}, {"F1", "D"}}}};
  const std::tuple<std::string, Model, char, const char*, const char*> rows[] = {
      {"", {}, '+', "A", ""},  // a parameter with outer blanks and quotes
      // Reset Key of a mapping without "SwapScrKeyCode" frees its key; a program's "a" keeps it.
      {listed + Lines({"[SwapKey]", "A=B"}), ab, '-', "A", ""},
      {listed + Lines({"[SwapKey]", "A=B", "[SwapKey x.exe]", "a=C"}), both, '-', "A", ""},
      // Two blanks: the program's section all the same, written back as "SwapKey x.exe".
      {listed + Lines({"[SwapKey  x.exe]", "A=B"}), {{"x.exe", {{"A", "B"}}}}, '+', "B", "X.exe"},
      // A gap in the list: the entry past it is neither overwritten nor dropped.
      {gap, gapped, '+', "D", ""},
      {gap, gapped, '-', "Num 5", ""},
      {Lines({"[DisableKey]", "Index=2147483647"}), {}, '+', "A", ""},
  };
  std::mt19937 rng(20240611);
  auto any = [&](const Texts& texts) { return texts[rng() % texts.size()]; };
  for (const auto& [text, model, op, source, program] : rows) {
    Storm storm(text, model);
    storm.Do(op, source, program);
    EXPECT_EQ(storm.files.Get(kPath).find("  "), std::string::npos) << text;
    for (int step = 0; step < 100 && !::testing::Test::HasFatalFailure(); ++step) {
      storm.Check();
      storm.Do(any({"+", "+", "+", "-", "0", "o"})[0], any(kSources),
               any({"", "x.exe", "GAME.exe", "game.exe"}),
               any({"C", "Enter", "TypeText", "KeySequence", "KeyCombination"}),
               any({" x", "y ", "\"q\"", "'", "a#b", kLongest}));
    }
  }
  Storm story(Lines({"[SwapKey]", "A=TypeText1", "B=TypeText2", "[Settings]", "TypeTextCount=2",
                     "[TypeText2]", ("Parameter=" + kLongest + "yz").c_str()}),
              {});
  EXPECT_THROW(StoreMapping(story.file, "C", "KeySequence", kLongest + "x"), Error);
  RemoveMapping(story.file, "A");  // a longer value written by hand moves whole
  EXPECT_EQ(story.file.ReadRawString("TypeText1", "Parameter"), kLongest + "yz");
}

}  // namespace
}  // namespace zv
