// The scancode table and its two lookups.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "catalogue/key_catalogue.h"

namespace zv {
namespace {

TEST(ScancodeTable, HasItsRowsInOrder) {
  ASSERT_EQ(ScancodeTableSize(), 118u);
  const struct {
    std::size_t row;
    const char* name;
    const char* text;
  } rows[] = {
      {0, "BackSpace", "0E00"},   {4, "Right Shift", "3600"}, {13, "End", "CF00"},
      {20, "Delete", "D300"},     {21, "0", "0B00"},          {31, "A", "1E00"},
      {56, "Z", "2C00"},          {59, "Num 0", "5200"},      {72, "Num /", "35E0"},
      {84, "F12", "5800"},        {85, "NumLock", "C500"},    {89, "-", "0C00"},
      {92, "]", "1B00"},          {93, "[", "1A00"},          {94, "\"", "2800"},
      {96, "DisableKey", "0000"}, {97, "`", "2900"},          {98, "\\", "2B00"},
      {100, "Volume Up", "30E0"}, {110, "WWW Back", "6AE0"},  {115, "Scroll Lock", "4600"},
      {117, "Sleep", "5FE0"},
  };
  for (const auto& e : rows) {
    EXPECT_EQ(std::string(ScancodeTable()[e.row].name), e.name) << e.row;
    EXPECT_EQ(std::string(ScancodeTable()[e.row].text), e.text) << e.row;
  }
}

TEST(ScancodeTable, TextsAreFourUpperCaseHexDigitsAndDistinct) {
  std::set<std::string> texts, names;
  for (std::size_t row = 0; row < ScancodeTableSize(); ++row) {
    std::string text = ScancodeTable()[row].text;
    ASSERT_EQ(text.size(), 4u) << row;
    EXPECT_EQ(text.find_first_not_of("0123456789ABCDEF"), std::string::npos) << text;
    texts.insert(text);
    names.insert(ScancodeTable()[row].name);
  }
  EXPECT_EQ(texts.size(), 118u);
  EXPECT_EQ(names.size(), 118u);
}

TEST(ScancodeTable, NamesAreKeyNamesSaveTheSixThatDiffer) {
  const std::set<std::string> ownNames = {"NumLock", "-", "]", "[", "WWW Back", "WWW Forward"};
  for (std::size_t row = 0; row < ScancodeTableSize(); ++row) {
    std::string name = ScancodeTable()[row].name;
    EXPECT_EQ(KeyCodeOfName(name) == -1, ownNames.count(name) == 1) << name;
  }
}

TEST(ScancodeOfName, GivesTheTextOrMinusOne) {
  EXPECT_EQ(ScancodeOfName("Right Alt"), "38E0");
  EXPECT_EQ(ScancodeOfName("DisableKey"), "0000");
  EXPECT_EQ(ScancodeOfName("Volume Down"), "2EE0");
  for (const char* missing : {"Menu", "Num Lock", "Pause Break", "Print Screen", "Num Del",
                              "Internet Explorer", "_", "{", "}", "", "right alt"})
    EXPECT_EQ(ScancodeOfName(missing), "-1") << missing;
}

TEST(ScancodeOfName, ActionsHaveNoScanCodeExceptTheVolumeKeys) {
  for (std::size_t row = 0; row < KeyTableSize(); ++row) {
    std::string name = KeyTable()[row].name;
    if (KeyTable()[row].code < 500 || name == "Volume Up" || name == "Volume Down") continue;
    EXPECT_EQ(ScancodeOfName(name), "-1") << name;
  }
}

TEST(NameOfScancode, SetsTheNameOrLeavesItAlone) {
  std::string name = "before";
  NameOfScancode("4600", name);
  EXPECT_EQ(name, "Scroll Lock");
  NameOfScancode("38e0", name);  // texts compare exactly: lower case is no match
  EXPECT_EQ(name, "Scroll Lock");
  NameOfScancode("", name);
  NameOfScancode("4600 ", name);
  NameOfScancode("FFFF", name);
  EXPECT_EQ(name, "Scroll Lock");
  NameOfScancode("0000", name);
  EXPECT_EQ(name, "DisableKey");
}

TEST(NameOfScancode, RoundTripsEveryRow) {
  for (std::size_t row = 0; row < ScancodeTableSize(); ++row) {
    std::string name;
    NameOfScancode(ScancodeTable()[row].text, name);
    EXPECT_EQ(name, ScancodeTable()[row].name);
    EXPECT_EQ(ScancodeOfName(name), ScancodeTable()[row].text);
  }
}

}  // namespace
}  // namespace zv
