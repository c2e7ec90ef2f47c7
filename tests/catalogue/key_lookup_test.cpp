// Name and code lookups: ties go to the last row, misses give the sentinels, and the indexes
// agree with a plain scan of the table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/key_catalogue.h"
#include "catalogue/key_lists.h"

namespace zv {
namespace {

// The lookups as a straightforward scan in which the last match wins.
int ScanCodeOfName(std::string_view name) {
  int code = -1;
  for (std::size_t row = 0; row < KeyTableSize(); ++row)
    if (KeyTable()[row].name == name) code = KeyTable()[row].code;
  return code;
}

std::string ScanNameOfCode(int code) {
  std::string name = " ";
  for (std::size_t row = 0; row < KeyTableSize(); ++row)
    if (KeyTable()[row].code == code) name = KeyTable()[row].name;
  return name;
}

TEST(KeyLookup, DuplicateNameTakesTheLastRow) {
  EXPECT_EQ(KeyCodeOfName("Num Lock"), 144);
  EXPECT_EQ(KeyNameOfCode(12), "Num Lock");
  EXPECT_EQ(KeyNameOfCode(144), "Num Lock");
}

TEST(KeyLookup, NamesMatchExactly) {
  EXPECT_EQ(KeyCodeOfName("Num 5"), 101);
  EXPECT_EQ(KeyCodeOfName("DisableKey"), 0);
  EXPECT_EQ(KeyCodeOfName("\""), 222);
  EXPECT_EQ(KeyCodeOfName("Eject cdrom driver"), 509);
  EXPECT_EQ(KeyCodeOfName("Eject/Close Cdrom Driver"), 515);
  for (const char* missing : {"NumLock", "WWW Back", "WWW Forward", "", "num 5", "Num 5 ", " Num 5",
                              "Eject Cdrom Driver", "Delay", "TypeText3"})
    EXPECT_EQ(KeyCodeOfName(missing), -1) << '"' << missing << '"';
}

TEST(KeyLookup, NameWithEmbeddedNulIsNotTheShorterName) {
  EXPECT_EQ(KeyCodeOfName(std::string_view("A\0B", 3)), -1);
  EXPECT_EQ(KeyCodeOfName(std::string_view("A\0", 2)), -1);
}

TEST(KeyLookup, UnknownCodesGiveOneBlank) {
  for (int code : {16, 17, 18, 174, 175, -1, 500, 600, 606, 1023, 1024, 100000, -100000})
    EXPECT_EQ(KeyNameOfCode(code), " ") << code;
  EXPECT_EQ(KeyNameOfCode(0), "DisableKey");
  EXPECT_EQ(KeyNameOfCode(603), "KeySequence");
  EXPECT_EQ(KeyNameOfCode(255), "Power Off");
}

TEST(KeyLookup, AgreesWithAFullScan) {
  std::vector<std::string> names;
  for (std::size_t row = 0; row < KeyTableSize(); ++row) names.push_back(KeyTable()[row].name);
  for (const auto* list : {&OriginalKeyList(), &ChangedToList(), &KeySequenceList()})
    names.insert(names.end(), list->begin(), list->end());
  for (const char* other : {"", " ", "~", "Num", "Num 10", "ZZ", "\x7f", "\xff"})
    names.push_back(other);
  for (const std::string& name : names)
    EXPECT_EQ(KeyCodeOfName(name), ScanCodeOfName(name)) << name;
  for (int code = -2; code <= 1100; ++code)
    EXPECT_EQ(std::string(KeyNameOfCode(code)), ScanNameOfCode(code)) << code;
}

TEST(KeyLookup, NamesViewStaticStorage) {
  std::string_view first = KeyNameOfCode(65);
  std::string_view again = KeyNameOfCode(65);
  EXPECT_EQ(first.data(), again.data());
  EXPECT_EQ(first, "A");
}

}  // namespace
}  // namespace zv
