#include "common/error.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(StrToIntStrict, AcceptsSignedDecimals) {
  EXPECT_EQ(StrToIntStrict("0"), 0);
  EXPECT_EQ(StrToIntStrict("-1"), -1);
  EXPECT_EQ(StrToIntStrict("+42"), 42);
  EXPECT_EQ(StrToIntStrict("2147483647"), 2147483647);
  EXPECT_EQ(StrToIntStrict("-2147483648"), -2147483647 - 1);
}

TEST(StrToIntStrict, RejectsEverythingElseWithTheUsersText) {
  for (const char* bad :
       {"", "-", "12a", "a12", " 1", "1 ", "$10", "0x10", "2147483648", "99999999999999999999"}) {
    try {
      StrToIntStrict(bad);
      ADD_FAILURE() << bad;
    } catch (const Error& e) {
      EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
    }
  }
}

TEST(FormatMessage, FillsTheFirstPlaceholderOnly) {
  EXPECT_EQ(FormatMessage("Unable to write to %s", "C:\\a.qnp"), "Unable to write to C:\\a.qnp");
  EXPECT_EQ(FormatMessage("no placeholder", "x"), "no placeholder");
}

}  // namespace
}  // namespace zv
