// Properties of the compiled-in key table that the rest of the program leans on.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "catalogue/key_catalogue.h"

namespace zv {
namespace {

struct Row {
  std::string name;
  int code;
};

Row RowAt(std::size_t row) {
  return {KeyTable()[row].name, KeyTable()[row].code};
}

TEST(KeyTable, HasItsRowsInOrder) {
  ASSERT_EQ(KeyTableSize(), 142u);
  struct Expected {
    std::size_t row;
    const char* name;
    int code;
  };
  // Rows that break a pattern; the runs of consecutive codes are checked below.
  // clang-format off
  const Expected rows[] = {
      {0, "BackSpace", 8},        {2, "Num Lock", 12},         {10, "Pause Break", 19},
      {22, "Delete", 46},         {23, "0", 48},               {58, "Z", 90},
      {61, "Menu", 93},           {74, "Num -", 109},          {75, "Num /", 111},
      {88, "Num Lock", 144},      {96, "`", 192},              {98, "\\", 220},
      {100, "\"", 222},           {101, "SpaceBar", 32},       {103, "DisableKey", 0},
      {104, "Play/Pause", 179},   {109, "Calculator", 183},    {112, "Back", 166},
      {115, "WWW Refresh", 168},  {117, "Power Off", 255},     {119, "Num Del", 110},
      {120, "Print Screen", 44},  {122, "TypeText", 601},      {131, "Eject cdrom driver", 509},
      {138, "Internet Explorer", 172},                         {139, "KeySequence", 603},
  };
  // clang-format on
  for (const Expected& e : rows) {
    SCOPED_TRACE(e.row);
    EXPECT_EQ(RowAt(e.row).name, e.name);
    EXPECT_EQ(RowAt(e.row).code, e.code);
  }
}

TEST(KeyTable, RunsOfConsecutiveCodesAreUnbroken) {
  // Rows first..last carry codes from, from + 1, ...
  const struct {
    std::size_t first, last;
    int from;
  } runs[] = {{4, 9, 160},  {13, 20, 33},  {23, 32, 48},  {33, 58, 65},   {59, 61, 91},
              {62, 73, 96}, {76, 87, 112}, {90, 96, 186}, {97, 100, 219}, {124, 137, 502}};
  for (const auto& run : runs)
    for (std::size_t row = run.first; row <= run.last; ++row)
      EXPECT_EQ(RowAt(row).code, run.from + static_cast<int>(row - run.first)) << "row " << row;
}

TEST(KeyTable, CodesLieInTheirRanges) {
  for (std::size_t row = 0; row < KeyTableSize(); ++row) {
    int code = RowAt(row).code;
    bool valid =
        (code >= 0 && code <= 255) || (code >= 501 && code <= 515) || (code >= 601 && code <= 605);
    EXPECT_TRUE(valid) << RowAt(row).name << " has " << code;
  }
}

TEST(KeyTable, OnlyNumLockIsNamedTwice) {
  std::map<std::string, int> count;
  for (std::size_t row = 0; row < KeyTableSize(); ++row) ++count[RowAt(row).name];
  EXPECT_EQ(count.size(), 141u);
  EXPECT_EQ(count["Num Lock"], 2);
}

TEST(KeyTable, EveryActionHasExactlyOneRow) {
  std::multiset<int> codes;
  for (std::size_t row = 0; row < KeyTableSize(); ++row) codes.insert(RowAt(row).code);
  for (int code = 501; code <= 515; ++code) EXPECT_EQ(codes.count(code), 1u) << code;
  for (int code = 601; code <= 605; ++code) EXPECT_EQ(codes.count(code), 1u) << code;
  // No generic modifiers, no physical volume keys, nothing on the dispatcher's boundaries.
  for (int code : {16, 17, 18, 174, 175, 500, 600}) EXPECT_EQ(codes.count(code), 0u) << code;
}

}  // namespace
}  // namespace zv
