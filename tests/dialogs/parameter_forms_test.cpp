#include "catalogue/parameter_forms.h"

#include <gtest/gtest.h>

#include "common/error.h"

namespace zv {
namespace {

using Items = std::vector<std::string>;

TEST(TypeTextForm, LineBreaksBecomeHashesAndComeBack) {
  EXPECT_EQ(TypeTextForm("Hello\r\nWorld"), "Hello#World");
  EXPECT_EQ(TextOfTypeTextForm("Hello#World"), "Hello\r\nWorld");
  // A "#" the user typed is stored as it is and comes back as a line break.
  EXPECT_EQ(TypeTextForm("a#b"), "a#b");
  EXPECT_EQ(TextOfTypeTextForm(TypeTextForm("a#b")), "a\r\nb");
  EXPECT_EQ(TypeTextForm("\r\n\r\nx\r\n"), "##x#");
  EXPECT_EQ(TextOfTypeTextForm("##"), "\r\n\r\n");
}

TEST(TypeTextForm, NoLineBreakOfAnyKindSurvives) {
  // A lone CR or LF (pasted text) would split the settings file's line.
  EXPECT_EQ(TypeTextForm("a\nb\rc\r\n"), "a#b#c#");
  EXPECT_EQ(TypeTextForm("\n\r"), "##");
}

TEST(TypeTextForm, OtherCharactersPassUnchanged) {
  const std::string text = "  tabs\tand, commas; 0 \xe9";
  EXPECT_EQ(TypeTextForm(text), text);
  EXPECT_EQ(TextOfTypeTextForm(text), text);
}

TEST(EmptyParameter, OnlyBlankAndZero) {
  EXPECT_TRUE(IsEmptyParameter(" "));
  EXPECT_TRUE(IsEmptyParameter("0"));
  EXPECT_FALSE(IsEmptyParameter(""));
  EXPECT_FALSE(IsEmptyParameter("  "));
  EXPECT_FALSE(IsEmptyParameter("00"));
}

TEST(KeyCombinationForm, WritesTheShortcutWord) {
  EXPECT_EQ(KeyCombinationForm({83, true, true, false}), "24659");   // Ctrl+Shift+S
  EXPECT_EQ(KeyCombinationForm({70, false, false, true}), "32838");  // Alt+F
  EXPECT_EQ(KeyCombinationForm({}), "0");
  EXPECT_EQ(KeyCombinationForm({255, true, true, true}), "57599");
  EXPECT_EQ(KeyCombinationForm({0, false, true, false}), "16384");  // a modifier alone
}

TEST(KeyCombinationForm, ReadsTheWordBack) {
  EXPECT_EQ(KeyCombinationOfForm("24659"), (KeyCombination{83, true, true, false}));
  EXPECT_EQ(KeyCombinationOfForm("32838"), (KeyCombination{70, false, false, true}));
  EXPECT_EQ(KeyCombinationOfForm("0"), KeyCombination{});
  for (int key : {1, 65, 186, 255}) {
    for (int mods = 0; mods < 8; ++mods) {
      const KeyCombination c{key, (mods & 1) != 0, (mods & 2) != 0, (mods & 4) != 0};
      EXPECT_EQ(KeyCombinationOfForm(KeyCombinationForm(c)), c) << key << " " << mods;
    }
  }
}

TEST(KeyCombinationForm, IgnoresBitsEightToTwelveAndHighBits) {
  EXPECT_EQ(KeyCombinationOfForm(std::to_string(0x1F00 | 65)), (KeyCombination{65}));
  EXPECT_EQ(KeyCombinationOfForm(std::to_string(0x20000 + 0x4041)),
            (KeyCombination{65, false, true, false}));
  EXPECT_EQ(ShortcutWordOfText("65536"), kShortcutWin);
  EXPECT_EQ(ShortcutWordOfText("131072"), 0u);
  EXPECT_EQ(ShortcutWordOfText("-1"), 0x1FFFFu);
  EXPECT_EQ(ShortcutWordOfText("16449"), 0x4041u);
}

// The word with Win, read back and spelled out as the dialog shows it.
TEST(KeyCombinationForm, WinJoinsTheWordAndTheText) {
  struct Case {
    unsigned word;
    const char* text;
  };
  for (const Case& c : {Case{0, ""}, Case{0x4000 + 0x2000 + 83, "Ctrl+Shift+S"},
                        Case{0x10000 + 69, "Win+E"}, Case{0x1E000 + 69, "Win+Ctrl+Alt+Shift+E"},
                        Case{0x10000 + 0x8000 + 112, "Win+Alt+F1"}, Case{0x2000 + 107, "Shift+Num +"},
                        Case{0x10000, "Win"}}) {
    const std::string form = std::to_string(c.word);
    const KeyCombination combination = KeyCombinationOfForm(form);
    EXPECT_EQ(KeyCombinationText(combination), c.text) << form;
    EXPECT_EQ(KeyCombinationForm(combination), form);
  }
}

TEST(RunForm, QuotedPathsHoldTheirBlanksAndTheRestIsArguments) {
  struct Case {
    const char* form;
    const char* file;
    const char* arguments;
  };
  for (const Case& c : {Case{"notepad.exe", "notepad.exe", ""},
                        Case{" C:\\Tools\\x.cmd  --fast -q ", "C:\\Tools\\x.cmd", "--fast -q"},
                        Case{"https://example.org", "https://example.org", ""},
                        Case{"\"C:\\My Tools\\x.exe\" \"a b\"", "C:\\My Tools\\x.exe", "\"a b\""},
                        Case{"\"C:\\unclosed quote", "C:\\unclosed quote", ""},
                        Case{"", "", ""}}) {
    const RunCommand command = RunCommandOfForm(c.form);
    EXPECT_EQ(command.file, c.file) << c.form;
    EXPECT_EQ(command.arguments, c.arguments) << c.form;
  }
  EXPECT_EQ(RunCommandOfForm(RunFormOfPath("C:\\My Tools\\x.exe")).file, "C:\\My Tools\\x.exe");
}

TEST(KeyCombinationForm, RejectsWhatIsNoDecimalNumber) {
  for (const char* bad : {"", " ", "Ctrl+A", "12a", "0x41", "1.5"}) {
    try {
      KeyCombinationOfForm(bad);
      ADD_FAILURE() << "accepted '" << bad << "'";
    } catch (const Error& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

TEST(SequenceForm, ItemsHaveTheirPrefixesWithOneBlank) {
  EXPECT_EQ(KeyDownItem("Left Ctrl"), "KeyDown Left Ctrl");
  EXPECT_EQ(KeyUpItem("C"), "KeyUp C");
  EXPECT_EQ(DelayItem("500"), "Delay 500");
  EXPECT_EQ(DelayItem(""), "Delay ");
}

TEST(SequenceForm, JoinEndsEveryItemWithAComma) {
  EXPECT_EQ(JoinSequence({"KeyDown A", "Delay 100", "KeyUp A"}), "KeyDown A,Delay 100,KeyUp A,");
  EXPECT_EQ(JoinSequence({}), "");
  EXPECT_EQ(JoinSequence({""}), ",");
}

TEST(SequenceForm, SplitUndoesJoin) {
  const Items items = {"KeyDown Left Ctrl", "KeyDown C", "KeyUp C", "KeyUp Left Ctrl", "Delay 500"};
  const std::string text = JoinSequence(items);
  EXPECT_EQ(text, "KeyDown Left Ctrl,KeyDown C,KeyUp C,KeyUp Left Ctrl,Delay 500,");
  EXPECT_EQ(SplitSequence(text), items);
  EXPECT_EQ(SplitSequence("KeyDown A,KeyUp A,"), (Items{"KeyDown A", "KeyUp A"}));
}

TEST(SequenceForm, SplitOfAwkwardTexts) {
  // The comma key does not survive storing: its items fall apart at their own commas.
  const std::string comma = JoinSequence({KeyDownItem(","), KeyUpItem(",")});
  EXPECT_EQ(comma, "KeyDown ,,KeyUp ,,");
  EXPECT_EQ(SplitSequence(comma), (Items{"KeyDown ", "", "KeyUp ", ""}));
  // "None" keeps its text; a "None," loses its comma like any other.
  EXPECT_EQ(SplitSequence("None"), (Items{"None"}));
  EXPECT_EQ(SplitSequence("None,"), (Items{"None"}));
  // Without the trailing comma the last item is still there.
  EXPECT_EQ(SplitSequence("KeyDown A,KeyUp A"), (Items{"KeyDown A", "KeyUp A"}));
  // Only one trailing comma is dropped; there is always at least one item.
  EXPECT_EQ(SplitSequence("A,,"), (Items{"A", ""}));
  EXPECT_EQ(SplitSequence(","), (Items{""}));
  EXPECT_EQ(SplitSequence(""), (Items{""}));
  EXPECT_EQ(SplitSequence(",,"), (Items{"", ""}));
  EXPECT_EQ(SplitSequence(",A"), (Items{"", "A"}));
  EXPECT_EQ(SplitSequence(" "), (Items{" "}));
}

TEST(SequenceForm, ReadItemAsThePlayerDoes) {
  auto read = [](const char* item) {
    const SequenceItem r = ReadSequenceItem(item);
    const char* step = r.step == SequenceStep::kKeyDown ? "down"
                       : r.step == SequenceStep::kDelay ? "delay"
                                                        : "up";
    return std::string(step) + ":" + r.argument;
  };
  EXPECT_EQ(read("KeyDown Left Ctrl"), "down:Left Ctrl");
  EXPECT_EQ(read("KeyUp Left Ctrl"), "up:Left Ctrl");
  EXPECT_EQ(read("Delay 500"), "delay:500");
  EXPECT_EQ(read("Delay 1.5"), "delay:1.5");
  EXPECT_EQ(read("KeyDown "), "down:");
  EXPECT_EQ(read("KeyDown"), "down:");
  EXPECT_EQ(read(""), "up:");
  EXPECT_EQ(read("None"), "up:");
  EXPECT_EQ(read("0"), "up:");
  EXPECT_EQ(read("keydown A"), "up:n A");  // case counts: a key-up from the 7th character
  EXPECT_EQ(read("DelayX12"), "delay:12");
}

}  // namespace
}  // namespace zv
