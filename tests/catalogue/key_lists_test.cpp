// The editor's and the key sequence dialog's selection lists.
#include "catalogue/key_lists.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalogue/key_catalogue.h"

namespace zv {
namespace {

using Names = std::vector<std::string>;

Names Slice(const Names& names, std::size_t from, std::size_t count) {
  return Names(names.begin() + from, names.begin() + from + count);
}

std::set<std::string> UnknownNames(const Names& names) {
  std::set<std::string> unknown;
  for (const std::string& name : names)
    if (ResolveKeyCode(name) == -1) unknown.insert(name);
  return unknown;
}

// "0" to "Page Down", the block the source and target lists share (83 names).
const Names kMainKeys = {
    "0",          "1",         "2",        "3",        "4",           "5",           "6",
    "7",          "8",         "9",        "A",        "B",           "C",           "D",
    "E",          "F",         "G",        "H",        "I",           "J",           "K",
    "L",          "M",         "N",        "O",        "P",           "Q",           "R",
    "S",          "T",         "U",        "V",        "W",           "X",           "Y",
    "Z",          "Esc",       "F1",       "F2",       "F3",          "F4",          "F5",
    "F6",         "F7",        "F8",       "F9",       "F10",         "F11",         "F12",
    "`",          "_",         "=",        "\\",       ";",           "\"",          ",",
    ".",          "/",         "{",        "}",        "Enter",       "Tab",         "Menu",
    "Left Shift", "Left Ctrl", "Left Alt", "Left Win", "Right Shift", "Right Ctrl",  "Right Alt",
    "Right Win",  "BackSpace", "SpaceBar", "Up Arrow", "Left Arrow",  "Right Arrow", "Down Arrow",
    "Delete",     "Insert",    "Home",     "End",      "Page Up",     "Page Down"};

TEST(OriginalKeyList, ListsTheSourceKeysInOrder) {
  const Names& list = OriginalKeyList();
  ASSERT_EQ(list.size(), 121u);
  ASSERT_EQ(kMainKeys.size(), 83u);
  EXPECT_EQ(Slice(list, 0, 83), kMainKeys);
  const Names rest = {"Print Screen", "Pause Break", "Scroll Lock",  "Caps Lock",  "NumLock",
                      "Num /",        "Num 0",       "Num 1",        "Num 2",      "Num 3",
                      "Num 4",        "Num 5",       "Num 6",        "Num 7",      "Num 8",
                      "Num 9",        "Num -",       "Num *",        "Num +",      "Num Del",
                      "Mute",         "Volume Up",   "Volume Down",  "Open Media", "Play/Pause",
                      "Stop",         "Last Track",  "Next Track",   "Calculator", "Email",
                      "My Computer",  "Power Off",   "Sleep",        "WWW Back",   "WWW Forward",
                      "WWW Stop",     "WWW Refresh", "WWW Favorites"};
  ASSERT_EQ(rest.size(), 38u);
  EXPECT_EQ(Slice(list, 83, 38), rest);
}

TEST(ChangedToList, ListsTheTargetsActionsFirst) {
  const Names& list = ChangedToList();
  ASSERT_EQ(list.size(), 134u);
  const Names actions = {"DisableKey",
                         "TypeText",
                         "CleanText",
                         "KeyCombination",
                         "KeySequence",
                         "Run",
                         "TapHold",
                         "Volume Up",
                         "Volume Down",
                         "Mute",
                         "Shutdown",
                         "Restart",
                         "Logout",
                         "Hibernate",
                         "Suspend",
                         "Back",
                         "Forward",
                         "Turn Off Monitor",
                         "Activate Screensaver",
                         "Eject/Close Cdrom Driver",
                         "Open Media",
                         "Play/Pause",
                         "Stop",
                         "Last Track",
                         "Next Track",
                         "Calculator",
                         "Email",
                         "My Computer",
                         "WWW Stop",
                         "WWW Refresh",
                         "WWW Favorites",
                         "Internet Explorer",
                         "Click Left Mouse Button",
                         "Click Right Mouse Button"};
  EXPECT_EQ(Slice(list, 0, 34), actions);
  EXPECT_EQ(Slice(list, 34, 83), kMainKeys);
  const Names rest = {"Caps Lock", "Scroll Lock", "NumLock", "Num /", "Num 0", "Num 1",
                      "Num 2",     "Num 3",       "Num 4",   "Num 5", "Num 6", "Num 7",
                      "Num 8",     "Num 9",       "Num -",   "Num *", "Num +"};
  EXPECT_EQ(Slice(list, 117, 17), rest);
}

TEST(KeySequenceList, IsDelayThenTheSourceKeysWithoutNumDel) {
  const Names& list = KeySequenceList();
  ASSERT_EQ(list.size(), 121u);
  EXPECT_EQ(list.front(), "Delay");
  EXPECT_EQ(list[1], "0");
  EXPECT_EQ(list.back(), "WWW Favorites");
  Names expected = OriginalKeyList();
  expected.erase(std::find(expected.begin(), expected.end(), "Num Del"));
  EXPECT_EQ(Slice(list, 1, 120), expected);
}

TEST(KeyLists, HoldNoDuplicates) {
  for (const Names* list : {&OriginalKeyList(), &ChangedToList(), &KeySequenceList()})
    EXPECT_EQ(std::set<std::string>(list->begin(), list->end()).size(), list->size());
}

TEST(KeyLists, NamesOutsideTheKeyTableResolveToMinusOne) {
  using Set = std::set<std::string>;
  EXPECT_EQ(UnknownNames(OriginalKeyList()), (Set{"NumLock", "WWW Back", "WWW Forward"}));
  EXPECT_EQ(UnknownNames(ChangedToList()), (Set{"NumLock"}));
  EXPECT_EQ(UnknownNames(KeySequenceList()), (Set{"Delay", "NumLock", "WWW Back", "WWW Forward"}));
}

TEST(KeyLists, OfferEveryKeyTableNameButThree) {
  std::set<std::string> offered;
  for (const Names* list : {&OriginalKeyList(), &ChangedToList(), &KeySequenceList()})
    offered.insert(list->begin(), list->end());
  std::set<std::string> notOffered;
  for (std::size_t row = 0; row < KeyTableSize(); ++row)
    if (!offered.count(KeyTable()[row].name)) notOffered.insert(KeyTable()[row].name);
  EXPECT_EQ(notOffered,
            (std::set<std::string>{"Num Lock", "Eject cdrom driver", "Close cdrom driver"}));
}

}  // namespace
}  // namespace zv
