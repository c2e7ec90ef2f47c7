#pragma once
// Program names compare as Windows compares file names, checked against the fake natively and
// the system's own upper-casing under Wine.
#include <gtest/gtest.h>

#include "platform/program_names.h"

namespace zv::contract {

TEST(ProgramNames, LettersOfEveryScriptFoldButNoLetterBecomesAnother) {
  using platform::ProgramNameKey;
  const char* same[][2] = {
      {"notepad.exe", "NOTEPAD.EXE"}, {"Ärger.exe", "äRGER.exe"}, {"Œuvre ÿ.exe", "œuvre Ÿ.exe"},
      {"Łódź.exe", "ŁÓDŹ.EXE"},       {"Δελτα.exe", "ΔΕΛΤΑ.exe"}, {"Блокнот.exe", "БЛОКНОТ.EXE"},
      {"ёлка.exe", "ЁЛКА.exe"},
  };
  for (const auto& pair : same)
    EXPECT_EQ(ProgramNameKey(pair[0]), ProgramNameKey(pair[1])) << pair[0];
  // Ordinal: no expansions, no accents dropped.
  const char* different[][2] = {
      {"straße.exe", "STRASSE.EXE"}, {"café.exe", "cafe.exe"}, {"a.exe", "b.exe"}};
  for (const auto& pair : different)
    EXPECT_NE(ProgramNameKey(pair[0]), ProgramNameKey(pair[1])) << pair[0];
  EXPECT_LT(ProgramNameKey("Calc.exe"), ProgramNameKey("explorer.EXE"));
}

}  // namespace zv::contract
