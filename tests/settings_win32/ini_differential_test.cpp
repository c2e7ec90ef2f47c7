// Generated sequences of writes, deletes and section erases, done through our engine on one
// file and through WritePrivateProfileStringA on another; every read, key listing and section
// listing must agree, and so must the file text where the format fixes it (files that only
// these writes made).
//
// Where Wine's functions differ from ours (and so are not compared): Wine writes a key with an
// empty name, which we refuse; when Wine rewrites a file it drops a second key with an empty
// name in a section, which we keep (reads agree: the first one counts). The key listing cannot
// carry an empty name at all (see Listable). A UTF-8 byte-order mark and lone CR line ends read
// alike.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/win32/win32_files.h"
#include "settings/settings_file.h"
#include "tests/settings/ini_lines.h"
#include "tests/settings_win32/windows_profile.h"
#include "tests/win32/temp_folder.h"

namespace zv {
namespace {
using testing_settings::Lines;
using testing_win32::WindowsProfile;

// Section names come without surrounding blanks: Windows keeps trailing blanks of a new
// section's name and does not ignore them when listing keys, where our engine trims them.
const std::vector<std::string> kSections = {"SwapKey",   "swapKEY",   "Settings",      "DisableKey",
                                            "TypeText1", "Show Diag", "SwapScrKeyCode"};
// Names of the selection lists (";" and "=" aside: the system cannot read those back) and
// spellings that differ in case or blanks.
const std::vector<std::string> kKeys = {
    "A",        "a",        "Left Shift", "LEFT SHIFT", "Num 5",
    "  Num 5 ", "KeyCode1", "F1",         "Index",      "TypeTextCount",
    "WWW Back", "{",        "}",          "/",          "_",
    "\"",       "\\",       "`",          ",",          "."};

std::vector<std::string> Values() {
  return {"",
          "1",
          "65",
          "DisableKey",
          "TypeText3",
          "\"quoted\"",
          "'single'",
          "\"unbalanced",
          "a=b",
          "  padded  ",
          "x;y",
          "[not a section]",
          "\xE9t\xE9",
          std::string(2100, 'v'),
          "\"" + std::string(3000, 'q') + "\"",
          "\"\""};
}

std::string Trimmed(const std::string& name) {
  std::size_t begin = name.find_first_not_of(' '), end = name.find_last_not_of(' ');
  return begin == std::string::npos ? std::string() : name.substr(begin, end - begin + 1);
}

// A key listing comes from Windows as names each ended by a NUL, the list by one more: a key
// with an empty name (a line "=value") ends it early. Windows and Wine list such a key like any
// other, so our listing is compared up to it.
std::vector<std::string> Listable(std::vector<std::string> names) {
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i].empty()) names.resize(i);
  return names;
}

class IniDifferential : public ::testing::Test {
 protected:
  // A new pair of files in a folder of their own.
  void Fresh() {
    ours.reset();
    folder = std::make_unique<testing_win32::TempFolder>();
    ours = std::make_unique<SettingsFile>(files, folder->Path("ours.qnp"));
    theirs = std::make_unique<WindowsProfile>(folder->Path("theirs.qnp"));
  }

  void Start(const std::string& text) {
    Fresh();
    testing_win32::PutFileBytes(folder->Path("ours.qnp"), text);
    testing_win32::PutFileBytes(folder->Path("theirs.qnp"), text);
  }

  void SetUp() override { Fresh(); }

  win32::Win32Files files;
  std::unique_ptr<testing_win32::TempFolder> folder;
  std::unique_ptr<SettingsFile> ours;
  std::unique_ptr<WindowsProfile> theirs;

  // Every read that the engine offers, over every name of the pools.
  void ExpectSameReads(const std::string& where) {
    ASSERT_EQ(ours->ReadSections(), theirs->Sections()) << where;
    for (const std::string& s : kSections) {
      ASSERT_EQ(Listable(ours->ReadSection(s)), theirs->Keys(s)) << where << " section " << s;
      ASSERT_EQ(ours->ReadString(s, "", "<none>"), theirs->Read(s, "", "<none>")) << where;
      for (const std::string& k : kKeys)
        ASSERT_EQ(ours->ReadString(s, k, "<none>"), theirs->Read(s, k, "<none>"))
            << where << " [" << s << "] " << k;
    }
  }

  void RunSequence(unsigned seed, int steps, bool compareText) {
    std::mt19937 random(seed);
    const std::vector<std::string> values = Values();
    auto pick = [&random](const std::vector<std::string>& from) -> const std::string& {
      return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    };
    for (int step = 0; step < steps; ++step) {
      int kind = std::uniform_int_distribution<int>(0, 99)(random);
      const std::string& s = pick(kSections);
      std::string k = pick(kKeys);
      std::string what;
      if (kind < 65) {
        // Windows keeps the trailing blanks of a new key's name in the file (lookups ignore
        // them either way); where the text is compared, new keys come unpadded.
        if (compareText && !ours->ValueExists(s, k)) k = Trimmed(k);
        std::string v = pick(values);
        // Windows keeps a written value's trailing blanks until its next save of the file
        // rewrites every line; where the text is compared, values come without them.
        if (compareText) v.erase(v.find_last_not_of(' ') + 1);
        ours->WriteString(s, k, v);
        theirs->Write(s, k, v);
        what = "write [" + s + "] " + k + "=" + v.substr(0, 20);
      } else if (kind < 93) {
        // Windows ignores the blanks around a name when it reads and writes but not when it
        // deletes; the format (and so our engine) ignores them there too.
        k = kind < 90 ? Trimmed(k) : std::string();  // now and then a key with an empty name
        ours->DeleteKey(s, k);
        theirs->DeleteKey(s, k);
        what = "delete [" + s + "] " + k;
      } else {
        ours->EraseSection(s);
        theirs->EraseSection(s);
        what = "erase [" + s + "]";
      }
      std::string where =
          "seed " + std::to_string(seed) + " step " + std::to_string(step) + " after " + what;
      ExpectSameReads(where);
      if (compareText) {
        ASSERT_EQ(testing_win32::FileBytes(ours->path()), theirs->Text()) << where;
      }
      if (HasFatalFailure()) return;
    }
  }
};

TEST_F(IniDifferential, GeneratedSequencesFromNoFileAgreeInReadsAndText) {
  for (unsigned seed : {1u, 2u, 3u}) {
    Fresh();
    RunSequence(seed, 120, true);
    if (HasFatalFailure()) return;
  }
}

TEST_F(IniDifferential, GeneratedSequencesOnHandEditedFilesAgreeInReads) {
  // Comments, blank lines, lines without "=", LF line ends, duplicate sections and keys, blanks
  // around names and quoted values, a header closed by its last bracket.
  const std::vector<std::string> texts = {
      "; settings\r\n[SwapKey]\r\n  A = \"B\" \r\n\r\nloose line\r\n[swapkey]\r\nF1=TypeText1\r\n",
      "[Settings]\nIndex=1\nINDEX=2\n\n\n[ Show Diag ]\n\"=x\n[DisableKey]b] tail\nKeyCode1=65",
      "top=1\r\n[TypeText1]\r\n; Parameter=hidden\r\nF1='quoted '\r\n[Settings]\r\n",
      // Old Mac line ends, mixed with the others, and keys with an empty name.
      "[SwapKey]\rA=B\r\rF1=TypeText1\r\n[Settings]\n=empty\r  = padded \rIndex=1\r",
      // A UTF-8 byte-order mark in front of the first section.
      "\xEF\xBB\xBF[DisableKey]\r\nIndex=1\r\nKeyCode1=65\r\n[SwapKey]\r\nA=B\r\n",
  };
  unsigned seed = 100;
  for (const std::string& text : texts) {
    Start(text);
    ExpectSameReads("as edited by hand: " + text);
    RunSequence(seed++, 60, false);
    if (HasFatalFailure()) return;
  }
}

TEST_F(IniDifferential, WindowsWritesTheSameFileForTheSameWrites) {
  // The writes of a first start and two mappings, in the order the settings code makes them.
  const std::vector<std::vector<std::string>> writes = {
      {"DisableKey", "Index", "0"},        {"Settings", "Sign", "Zorvane"},
      {"SwapKey", "A", "DisableKey"},      {"SwapScrKeyCode", "A", "65"},
      {"DisableKey", "Index", "1"},        {"DisableKey", "KeyCode1", "65"},
      {"Settings", "Sign", "Zorvane"},     {"Settings", "TypeTextCount", "1"},
      {"SwapKey", "F1", "TypeText1"},      {"SwapScrKeyCode", "F1", "112"},
      {"TypeText1", "Parameter", "hello"}, {"DisableKey", "Index", "2"},
      {"DisableKey", "KeyCode2", "112"},   {"Settings", "Sign", "Zorvane"}};
  for (const auto& w : writes) {
    ours->WriteString(w[0], w[1], w[2]);
    theirs->Write(w[0], w[1], w[2]);
  }
  const std::string expected =
      Lines({"[DisableKey]", "Index=2", "KeyCode1=65", "KeyCode2=112", "[Settings]", "Sign=Zorvane",
             "TypeTextCount=1", "[SwapKey]", "A=DisableKey", "F1=TypeText1", "[SwapScrKeyCode]",
             "A=65", "F1=112", "[TypeText1]", "Parameter=hello"});
  EXPECT_EQ(theirs->Text(), expected);
  EXPECT_EQ(testing_win32::FileBytes(ours->path()), expected);
}

}  // namespace
}  // namespace zv
