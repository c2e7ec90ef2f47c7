// Taking stored values such as TypeText3 apart, and resolving them to codes.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/key_catalogue.h"
#include "common/error.h"

namespace zv {
namespace {

// The message of the error that f throws, or "no error".
template <typename F>
std::string ErrorOf(F f) {
  try {
    f();
  } catch (const Error& e) {
    return e.what();
  }
  return "no error";
}

TEST(NumberSuffix, SplitsTheValuesCallersMeet) {
  const struct {
    const char* text;
    int number;
    const char* stripped;
  } cases[] = {
      {"TypeText3", 3, "TypeText"},
      {"KeySequence12", 12, "KeySequence"},
      {"TypeText", 0, "TypeText"},
      {"F12", 12, "F"},
      {"F10", 10, "F"},
      {"Num 5", 5, "Num "},
      {"Num 0", 0, "Num "},
      {"0", 0, ""},
      {"Play/Pause", 0, "Play/Pause"},
      {"", 0, ""},
      {"TypeText2147483647", 2147483647, "TypeText"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NumberSuffixOf(c.text), c.number) << c.text;
    EXPECT_EQ(StripNumberSuffix(c.text), c.stripped) << c.text;
  }
}

TEST(NumberSuffix, RemovesOnlyTheFirstOccurrenceOfTheNumberWithoutLeadingZeros) {
  EXPECT_EQ(NumberSuffixOf("TypeText007"), 7);
  EXPECT_EQ(StripNumberSuffix("TypeText007"), "TypeText00");
  EXPECT_EQ(StripNumberSuffix("Num 00"), "Num 0");  // "0" found at the first zero
  EXPECT_EQ(StripNumberSuffix("X-5"), "X-");        // a sign is not part of the number
}

TEST(NumberSuffix, StrictConversionNamesTheDigitLedRemainder) {
  EXPECT_EQ(ErrorOf([] { NumberSuffixOf("TypeText3a"); }), "'3a' is not a valid integer value");
  EXPECT_EQ(ErrorOf([] { NumberSuffixOf("Key 1 2"); }), "'1 2' is not a valid integer value");
  EXPECT_EQ(ErrorOf([] { NumberSuffixOf("TypeText99999999999"); }),
            "'99999999999' is not a valid integer value");
  EXPECT_EQ(ErrorOf([] { NumberSuffixOf("TypeText2147483648"); }),
            "'2147483648' is not a valid integer value");
  EXPECT_EQ(ErrorOf([] { StripNumberSuffix("F1x"); }), "'1x' is not a valid integer value");
  EXPECT_EQ(ErrorOf([] { IsParameterizedAction("TypeText3 "); }),
            "'3 ' is not a valid integer value");
}

TEST(ResolveKeyCode, PlainNamesResolveWithoutStripping) {
  EXPECT_EQ(ResolveKeyCode("Num 5"), 101);
  EXPECT_EQ(ResolveKeyCode("Num 0"), 96);
  EXPECT_EQ(ResolveKeyCode("F12"), 123);  // "F" would be 70
  EXPECT_EQ(ResolveKeyCode("0"), 48);
  EXPECT_EQ(ResolveKeyCode("Left Shift"), 160);
  EXPECT_EQ(ResolveKeyCode("Volume Up"), 502);
}

TEST(ResolveKeyCode, NumberedValuesResolveThroughTheirStrippedName) {
  EXPECT_EQ(ResolveKeyCode("TypeText3"), 601);
  EXPECT_EQ(ResolveKeyCode("TypeText7"), 601);
  EXPECT_EQ(ResolveKeyCode("KeyCombination1"), 602);
  EXPECT_EQ(ResolveKeyCode("KeySequence20"), 603);
  EXPECT_EQ(ResolveKeyCode("Run2"), 604);
  EXPECT_EQ(ResolveKeyCode("A5"), 65);
  EXPECT_EQ(ResolveKeyCode("Num 00"), 96);  // stripped to "Num " + "0"
}

TEST(ResolveKeyCode, UnknownEvenAfterStrippingIsMinusOne) {
  for (const char* name :
       {"NumLock", "WWW Back", "WWW Forward", "Delay", "", "typetext3", "TypeText007", "Num 10"})
    EXPECT_EQ(ResolveKeyCode(name), -1) << name;
  std::string longName(100, 'x');
  EXPECT_EQ(ResolveKeyCode(longName + "1"), -1);
  EXPECT_EQ(ResolveKeyCode(longName + "00"), -1);
}

TEST(ResolveKeyCode, HandEditedNumberFailsLikeTheConversion) {
  EXPECT_EQ(ErrorOf([] { ResolveKeyCode("TypeText3a"); }), "'3a' is not a valid integer value");
}

TEST(IsParameterizedAction, TrueExactlyForTheThreeActionsWithOrWithoutNumber) {
  for (const char* yes : {"TypeText", "TypeText2", "KeyCombination", "KeyCombination14",
                          "KeySequence", "KeySequence1", "TypeText0"})
    EXPECT_TRUE(IsParameterizedAction(yes)) << yes;
  for (const char* no : {"CleanText", "DisableKey", "0", "F1", "F12", "Num 5", "Volume Up",
                         "Eject/Close Cdrom Driver", "", "typetext", "TypeText007", "NumLock"})
    EXPECT_FALSE(IsParameterizedAction(no)) << no;
}

}  // namespace
}  // namespace zv
