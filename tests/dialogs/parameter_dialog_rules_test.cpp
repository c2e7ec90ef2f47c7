#include "ui/parameter_dialog_rules.h"

#include <gtest/gtest.h>

#include "common/error.h"

namespace zv {
namespace {

TEST(PasteTextRules, MemoShowsTheStoredLines) {
  EXPECT_EQ(PasteTextMemoOfParameter("Hello#World"), "Hello\r\nWorld");
  EXPECT_EQ(PasteTextMemoOfParameter("0"), "");
  EXPECT_EQ(PasteTextMemoOfParameter(" "), "");
  EXPECT_EQ(PasteTextMemoOfParameter("#"), "\r\n");
}

TEST(PasteTextRules, MemoGivesTheParameter) {
  EXPECT_EQ(PasteTextParameterOfMemo("Hello\r\nWorld"), "Hello#World");
  EXPECT_EQ(PasteTextParameterOfMemo(""), " ");
  // A typed "0" is stored as "0" and the dialog then reopens empty for it.
  EXPECT_EQ(PasteTextParameterOfMemo("0"), "0");
  EXPECT_EQ(PasteTextMemoOfParameter(PasteTextParameterOfMemo("0")), "");
  // A typed "#" comes back as a second line.
  EXPECT_EQ(PasteTextMemoOfParameter(PasteTextParameterOfMemo("a#b")), "a\r\nb");
}

TEST(HotkeyRules, FieldValueOfStoredWord) {
  // The field keeps the key in its low byte and HOTKEYF_SHIFT/CONTROL/ALT in its high byte.
  EXPECT_EQ(HotkeyFieldOfParameter("24659"), 83 | (0x03 << 8));  // Ctrl+Shift+S
  EXPECT_EQ(HotkeyFieldOfParameter("32838"), 70 | (0x04 << 8));  // Alt+F
  EXPECT_EQ(HotkeyFieldOfParameter("0"), 0);
  EXPECT_EQ(HotkeyFieldOfParameter(std::to_string(0x1F00 | 65)), 65);
}

TEST(HotkeyRules, StoredWordOfFieldValue) {
  EXPECT_EQ(HotkeyParameterOfField(83 | (0x03 << 8)), "24659");
  EXPECT_EQ(HotkeyParameterOfField(0), "0");
  // The extended-key flag (HOTKEYF_EXT) is not kept.
  EXPECT_EQ(HotkeyParameterOfField(45 | (0x0A << 8)), "16429");
  EXPECT_EQ(HotkeyParameterOfField(HotkeyFieldOfParameter("57409")), "57409");
}

TEST(HotkeyRules, StrictConversionOfAHandEditedValue) {
  EXPECT_THROW(HotkeyFieldOfParameter("Ctrl+S"), Error);
  try {
    HotkeyFieldOfParameter(" ");
    ADD_FAILURE();
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "' ' is not a valid integer value");
  }
}

TEST(DelayRules, OnlyDigitsPointAndBackSpace) {
  std::string passed;
  for (int c = 1; c < 128; ++c) {
    if (DelayFieldAccepts(static_cast<char>(c))) passed += static_cast<char>(c);
  }
  EXPECT_EQ(passed, "\b.0123456789");
  EXPECT_FALSE(DelayFieldAccepts(static_cast<char>(0xB2)));  // superscript two
}

TEST(DelayRules, EnterCloses) {
  EXPECT_TRUE(DelayFieldClosesOn(13));
  EXPECT_FALSE(DelayFieldClosesOn(27));
  EXPECT_FALSE(DelayFieldClosesOn(9));
}

}  // namespace
}  // namespace zv
