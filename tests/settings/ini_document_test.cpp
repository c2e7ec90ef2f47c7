#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/key_lists.h"
#include "tests/settings/ini_lines.h"

namespace zv {
namespace {
using testing_settings::Lines;
using Names = std::vector<std::string>;

TEST(IniNames, SectionAndKeyNamesMatchWithoutCaseOrBlanks) {
  IniDocument doc = IniDocument::Parse(Lines({"[SwapKey]", "Left Shift=A"}));
  EXPECT_EQ(doc.ReadString("swapkey", "LEFT SHIFT", "-"), "A");
  EXPECT_EQ(doc.ReadString("  SwapKey ", "            Left Shift", "-"), "A");
  EXPECT_TRUE(doc.ValueExists("SWAPKEY", " left shift "));
  EXPECT_FALSE(doc.ValueExists("SwapKey", "LeftShift"));
  EXPECT_FALSE(doc.ValueExists("Swap", "Left Shift"));
}

TEST(IniNames, BlanksInTheFileAroundNamesAndHeadersAreIgnored) {
  IniDocument doc = IniDocument::Parse(Lines({"  [ Settings ]  ", "\t Sign \t=\t Zorvane \t"}));
  EXPECT_EQ(doc.ReadString("Settings", "Sign", "-"), "Zorvane");
  EXPECT_EQ(doc.ReadSections(), Names{"Settings"});
  EXPECT_EQ(doc.ReadSection("settings"), Names{"Sign"});
}

TEST(IniNames, WritingAnExistingKeyKeepsItsSpellingInTheFile) {
  IniDocument doc = IniDocument::Parse(Lines({"[Settings]", "Sign=x"}));
  doc.WriteString("SETTINGS", "SIGN", "Zorvane");
  EXPECT_EQ(doc.Text(), Lines({"[Settings]", "Sign=Zorvane"}));
}

TEST(IniNames, SemicolonAndEqualsKeysAreEscapedAndListedBack) {
  IniDocument doc;
  doc.WriteString("SwapKey", ";", "A");
  doc.WriteString("SwapKey", "=", "B");
  doc.WriteString("SwapKey", "C", "D");
  EXPECT_EQ(doc.Text(), Lines({"[SwapKey]", "%3B=A", "%3D=B", "C=D"}));
  IniDocument back = IniDocument::Parse(doc.Text());
  EXPECT_EQ(back.ReadSection("SwapKey"), (Names{";", "=", "C"}));
  EXPECT_EQ(back.ReadString("SwapKey", "            ;", "-"), "A");
  EXPECT_EQ(back.ReadString("SwapKey", "=", "-"), "B");
  EXPECT_TRUE(back.DeleteKey("SwapKey", ";"));
  EXPECT_TRUE(back.DeleteKey("SwapKey", "="));
  EXPECT_EQ(back.Text(), Lines({"[SwapKey]", "C=D"}));
}

TEST(IniNames, EveryNameOfTheSelectionListsRoundTripsAsKeyAndValue) {
  for (const std::vector<std::string>* list :
       {&OriginalKeyList(), &ChangedToList(), &KeySequenceList()}) {
    IniDocument doc;
    for (const std::string& name : *list) doc.WriteString("SwapKey", name, name);
    IniDocument back = IniDocument::Parse(doc.Text());
    EXPECT_EQ(back.ReadSection("SwapKey"), *list);
    for (const std::string& name : *list) EXPECT_EQ(back.ReadString("SwapKey", name, "-"), name);
    // Only ";" and "=" are stored differently from their names.
    std::string text = back.Text();
    for (const std::string& name : *list) {
      if (name != ";" && name != "=") {
        EXPECT_NE(text.find("\r\n" + name + "="), std::string::npos) << name;
      }
    }
  }
}

TEST(IniValues, OnePairOfQuotesAndTheSurroundingBlanksAreDropped) {
  IniDocument doc = IniDocument::Parse(Lines(
      {"[q]", "d= \"a b\" ", "s='x'", "m=\"x'", "o=\"", "e=\"\"", "n=\"\"y\"\"", "i=a\"b\"c"}));
  EXPECT_EQ(doc.ReadString("q", "d", "-"), "a b");
  EXPECT_EQ(doc.ReadString("q", "s", "-"), "x");
  EXPECT_EQ(doc.ReadString("q", "m", "-"), "\"x'");
  EXPECT_EQ(doc.ReadString("q", "o", "-"), "\"");
  EXPECT_EQ(doc.ReadString("q", "e", "-"), "");
  EXPECT_EQ(doc.ReadString("q", "n", "-"), "\"y\"");
  EXPECT_EQ(doc.ReadString("q", "i", "-"), "a\"b\"c");
}

TEST(IniValues, AReadGivesAtMost2047Characters) {
  IniDocument doc;
  std::string longText(3000, 'x');
  longText[2046] = 'y';
  doc.WriteString("TypeText1", "Parameter", longText);
  std::string read = doc.ReadString("TypeText1", "Parameter", "-");
  EXPECT_EQ(read.size(), 2047u);
  EXPECT_EQ(read.back(), 'y');
  doc.WriteString("TypeText1", "Parameter", "\"" + longText + "\"");
  EXPECT_EQ(doc.ReadString("TypeText1", "Parameter", "-").size(), 2047u);
  EXPECT_NE(doc.Text().find(longText), std::string::npos);  // the file keeps it all
  doc.WriteString("TypeText1", "Parameter", "\"" + longText.substr(0, 2047) + "\"");
  EXPECT_EQ(doc.ReadString("TypeText1", "Parameter", "-"), longText.substr(0, 2047));
}

TEST(IniValues, BlanksAroundAWrittenValueAreNotKept) {
  IniDocument doc;
  doc.WriteString("s", "k", "  padded  ");
  EXPECT_EQ(doc.Text(), Lines({"[s]", "k=padded"}));
  EXPECT_EQ(doc.ReadString("s", "k", "-"), "padded");
}

TEST(IniValues, MissingKeysGiveTheDefaultAndEmptyValuesDoNot) {
  IniDocument doc = IniDocument::Parse(Lines({"[s]", "empty=", "plain"}));
  EXPECT_EQ(doc.ReadString("s", "empty", "def"), "");
  EXPECT_EQ(doc.ReadString("s", "plain", "def"), "def");
  EXPECT_EQ(doc.ReadString("s", "gone", "def"), "def");
  EXPECT_EQ(doc.ReadString("none", "empty", "def"), "def");
}

TEST(IniValues, LineBreaksNeverReachTheFile) {
  IniDocument doc;
  EXPECT_TRUE(doc.WriteString("s", "v", "first\r\n[Evil]\r\nx=1"));
  EXPECT_TRUE(doc.WriteString("t\r\nu", "w", std::string("a\0b", 3)));
  EXPECT_EQ(doc.Text(), Lines({"[s]", "v=first", "[t]", "w=a"}));
  EXPECT_EQ(IniDocument::Parse(doc.Text()).ReadSections(), (Names{"s", "t"}));
}

TEST(IniNames, KeyNamesThatCannotReadBackAreRefused) {
  IniDocument doc = IniDocument::Parse(Lines({"[s]", "k=1"}));
  const std::string before = doc.Text();
  for (const char* bad : {"[x]", " [x", ";x", "a=b", "==", "", "   ", "k\nnext", "k\r"}) {
    EXPECT_FALSE(IniDocument::CanHoldKey(bad)) << bad;
    EXPECT_FALSE(doc.WriteString("s", bad, "v")) << bad;
  }
  EXPECT_EQ(doc.Text(), before);
  for (const char* good : {";", "=", "  ;  ", "x[", "x]", "{", "Num *", "a;b"})
    EXPECT_TRUE(IniDocument::CanHoldKey(good)) << good;
}

TEST(IniPlacement, NewKeysEndTheirSectionAndNewSectionsEndTheFile) {
  IniDocument doc = IniDocument::Parse(Lines({"[A]", "x=1", "[B]", "y=2"}));
  doc.WriteString("a", "z", "3");
  doc.WriteString("C", "w", "4");
  doc.WriteString("b", "Y", "5");
  EXPECT_EQ(doc.Text(), Lines({"[A]", "x=1", "z=3", "[B]", "y=5", "[C]", "w=4"}));
}

TEST(IniPlacement, ANewKeyGoesAheadOfTheBlankLinesThatEndItsSection) {
  IniDocument doc = IniDocument::Parse(Lines({"[A]", "x=1", "", "[B]"}));
  doc.WriteString("A", "z", "3");
  EXPECT_EQ(doc.Text(), Lines({"[A]", "x=1", "z=3", "", "[B]"}));
}

TEST(IniPlacement, DeletingAndErasingRemoveExactlyTheirLines) {
  IniDocument doc = IniDocument::Parse(Lines({"[A]", "x=1", "y=2", "; note", "[B]", "z=3", "[C]"}));
  EXPECT_TRUE(doc.DeleteKey("a", "X"));
  EXPECT_FALSE(doc.DeleteKey("A", "x"));
  EXPECT_FALSE(doc.DeleteKey("Nowhere", "x"));
  EXPECT_EQ(doc.Text(), Lines({"[A]", "y=2", "; note", "[B]", "z=3", "[C]"}));
  EXPECT_TRUE(doc.EraseSection("a"));
  EXPECT_FALSE(doc.EraseSection("A"));
  EXPECT_EQ(doc.Text(), Lines({"[B]", "z=3", "[C]"}));
  doc.WriteString("A", "x", "9");  // comes back at the end
  EXPECT_EQ(doc.ReadSections(), (Names{"B", "C", "A"}));
  EXPECT_TRUE(doc.DeleteKey("B", "z"));
  EXPECT_EQ(doc.Text(), Lines({"[B]", "[C]", "[A]", "x=9"}));  // an emptied section stays
}

TEST(IniPlacement, ListingsFollowFileOrder) {
  IniDocument doc;
  for (const char* k : {"KeyCode2", "Index", "KeyCode1", "TempCode"}) doc.WriteString("D", k, "0");
  for (const char* s : {"Z", "A", "M"}) doc.WriteString(s, "k", "v");
  EXPECT_EQ(doc.ReadSection("d"), (Names{"KeyCode2", "Index", "KeyCode1", "TempCode"}));
  EXPECT_EQ(doc.ReadSections(), (Names{"D", "Z", "A", "M"}));
  EXPECT_TRUE(doc.ReadSection("missing").empty());
}

TEST(IniHandEdited, CommentsBlankLinesAndLinesWithoutEqualsStayButHoldNothing) {
  std::string text = Lines({"; top", "loose=1", "[s]", "  ; c=1", "plain", "", "", "=x", "k=v"});
  IniDocument doc = IniDocument::Parse(text);
  EXPECT_EQ(doc.ReadSection("s"), (Names{"", "k"}));  // "=x": a key with an empty name
  EXPECT_FALSE(doc.ValueExists("s", "; c"));
  EXPECT_FALSE(doc.ValueExists("s", "plain"));
  EXPECT_FALSE(doc.ValueExists("", "loose"));  // keys above every section belong to none
  EXPECT_EQ(doc.ReadSections(), Names{"s"});
  EXPECT_EQ(doc.Text(), text);
}

TEST(IniHandEdited, LfAndMissingFinalLineEndAreRead) {
  IniDocument doc = IniDocument::Parse("[a]\nx=1\r\n[b]\ny=2");
  EXPECT_EQ(doc.ReadString("a", "x", "-"), "1");
  EXPECT_EQ(doc.ReadString("b", "y", "-"), "2");
  EXPECT_EQ(doc.Text(), Lines({"[a]", "x=1", "[b]", "y=2"}));
}

TEST(IniHandEdited, ALoneCrEndsALineAsCrLfAndLfDo) {
  // Old Mac line ends, mixed with the others; an empty line between CR and CR stays a line.
  IniDocument doc = IniDocument::Parse("[SwapKey]\rA=B\r\rC=D\r\n[Settings]\nSign=Zorvane\r");
  EXPECT_EQ(doc.ReadSection("SwapKey"), (Names{"A", "C"}));
  EXPECT_EQ(doc.ReadString("SwapKey", "A", "-"), "B");
  EXPECT_EQ(doc.ReadString("Settings", "Sign", "-"), "Zorvane");
  doc.WriteString("SwapKey", "E", "F");
  EXPECT_EQ(doc.Text(),
            Lines({"[SwapKey]", "A=B", "", "C=D", "E=F", "[Settings]", "Sign=Zorvane"}));
}

TEST(IniHandEdited, AKeyWithAnEmptyNameIsReadListedAndDeletedButNeverWritten) {
  IniDocument doc = IniDocument::Parse(Lines({"[s]", "=first", "  = second ", "k=v"}));
  EXPECT_TRUE(doc.ValueExists("s", ""));
  EXPECT_EQ(doc.ReadString("s", "", "-"), "first");
  EXPECT_EQ(doc.ReadString("s", "  ", "-"), "first");  // blanks around a name never count
  EXPECT_EQ(doc.ReadSection("s"), (Names{"", "", "k"}));
  EXPECT_FALSE(doc.WriteString("s", "", "new"));
  EXPECT_TRUE(doc.DeleteKey("s", ""));
  EXPECT_EQ(doc.ReadString("s", "", "-"), "second");
  EXPECT_TRUE(doc.DeleteKey("s", ""));
  EXPECT_FALSE(doc.DeleteKey("s", ""));
  EXPECT_EQ(doc.Text(), Lines({"[s]", "k=v"}));
}

TEST(IniHandEdited, OnlyTheFirstSectionAndKeyOfANameCount) {
  IniDocument doc = IniDocument::Parse(Lines({"[s]", "k=1", "K=2", "[S]", "k=3", "j=4"}));
  EXPECT_EQ(doc.ReadString("s", "k", "-"), "1");
  EXPECT_EQ(doc.ReadString("s", "j", "-"), "-");
  EXPECT_EQ(doc.ReadSection("s"), (Names{"k", "K"}));
  EXPECT_EQ(doc.ReadSections(), (Names{"s", "S"}));
  doc.WriteString("s", "k", "5");
  EXPECT_TRUE(doc.DeleteKey("s", "k"));  // the first goes, the second comes to light
  EXPECT_EQ(doc.ReadString("s", "k", "-"), "2");
  EXPECT_TRUE(doc.EraseSection("s"));
  EXPECT_EQ(doc.ReadString("s", "k", "-"), "3");
}

TEST(IniHandEdited, HeadersCloseAtTheLastBracket) {
  IniDocument doc = IniDocument::Parse(Lines({"[a]b] tail", "k=1", "[open=3", "j=2"}));
  EXPECT_EQ(doc.ReadSections(), Names{"a]b"});
  EXPECT_EQ(doc.ReadSection("a]b"), (Names{"k", "[open", "j"}));
}

TEST(IniHandEdited, BytesOutsideAsciiStayAsTheyAre) {
  std::string name = "\xC4nderung", value = "\xE9t\xE9 \x81\xFF";
  IniDocument doc;
  doc.WriteString("\xD6l", name, value);
  IniDocument back = IniDocument::Parse(doc.Text());
  EXPECT_EQ(back.ReadString("\xD6l", name, "-"), value);
  EXPECT_EQ(back.ReadSection("\xD6l"), Names{name});
}

}  // namespace
}  // namespace zv
