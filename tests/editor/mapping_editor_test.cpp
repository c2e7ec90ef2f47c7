// The editor on the Keyboard Map: key capture, Change with its refusals, target selection,
// row click, Reset Key, Reset All and Modify, as a user meets them, for keys and shortcuts.
#include <gtest/gtest.h>

#include "catalogue/shortcut_name.h"
#include "settings/mapping_store.h"
#include "tests/editor/editor_rig.h"

namespace zv::testing_editor {
namespace {

using Texts = std::vector<std::string>;
constexpr auto kKeyboard = MapList::SwapKeyList;

class KeyboardMapEditing : public ::testing::Test, public EditorRig {};

TEST_F(KeyboardMapEditing, CapturedKeysAreNamedAndNeverReachTheBox) {
  // Right Ctrl arrives as the generic Ctrl while the left one is up; Tab is a key like others.
  EXPECT_EQ(editor.BoxKeyDown(KeyBox::OldKey, 17), kCapturedKey);
  EXPECT_EQ(window.boxes[0], "Right Ctrl");
  keys.Press(160);
  editor.BoxKeyDown(KeyBox::NewKey, 16);
  EXPECT_EQ(window.boxes[1], "Left Shift");
  editor.BoxKeyDown(KeyBox::NewKey, 9);
  EXPECT_EQ(window.boxes[1], "Tab");
  // F13 has no name: the text stays and the key is still swallowed.
  EXPECT_EQ(editor.BoxKeyDown(KeyBox::NewKey, 124), kCapturedKey);
  EXPECT_EQ(window.boxes[1], "Tab");
  EXPECT_TRUE(prompter.asked.empty());  // capture is no pick: no dialog opens
}

TEST_F(KeyboardMapEditing, ChangeStoresShowsTheTipAndListsTheRow) {
  editor.BoxKeyDown(KeyBox::OldKey, 65);
  editor.BoxKeyDown(KeyBox::NewKey, 66);
  editor.Change();
  EXPECT_EQ(SwapKey("A"), "B");
  EXPECT_EQ(Shown(), Texts{"tip ChangeSuc"});
  EXPECT_EQ(window.boxes[0], "");
  EXPECT_EQ(window.boxes[1], "");
  ASSERT_EQ(window.Rows(kKeyboard).size(), 1u);
  EXPECT_EQ(window.Rows(kKeyboard)[0].caption, "            A");
  EXPECT_EQ(window.Rows(kKeyboard)[0].target, "B");
  // A second mapping adds its row; the first one stays.
  Change("Caps Lock", "Left Ctrl");
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"A=B", "Caps Lock=Left Ctrl"}));
}

TEST_F(KeyboardMapEditing, RefusalsAndSilentStopsStoreNothingAndKeepTheBoxes) {
  Change("A", "A");
  EXPECT_EQ(Shown(), Texts{"message Can not change the same key!"});
  Change("Left Shift", "Num 5");
  EXPECT_EQ(Shown(), Texts{"message Do not support this change,please select other keys!"});
  EXPECT_EQ(window.boxes[0], "Left Shift");
  EXPECT_EQ(window.boxes[1], "Num 5");
  // Captured Num Lock is spelt "Num Lock", the list says "NumLock": nothing at all happens.
  window.boxes[1] = "";
  editor.BoxKeyDown(KeyBox::NewKey, 144);
  EXPECT_EQ(window.boxes[1], "Num Lock");
  editor.Change();
  Change("", "B");
  Change("A", "");
  EXPECT_TRUE(Shown().empty());
  EXPECT_TRUE(settings.ReadSection("SwapKey").empty());
  // The Shift rule refuses only the number pad's digits, and only for Shift sources.
  Change("Left Shift", "5");
  Change("Left Ctrl", "Num 5");
  EXPECT_EQ(SwapKey("Left Shift"), "5");
  EXPECT_EQ(SwapKey("Left Ctrl"), "Num 5");
}

TEST_F(KeyboardMapEditing, ListMembershipIgnoresLetterCaseButSameKeyDoesNot) {
  Change("caps lock", "CAPS LOCK");
  EXPECT_EQ(SwapKey("caps lock"), "CAPS LOCK");
  EXPECT_EQ(Shown(), Texts{"tip ChangeSuc"});
}

TEST_F(KeyboardMapEditing, AParameterisedTargetAsksFirstAndACancelStoresNothing) {
  Change("F1", "TypeText");
  EXPECT_EQ(prompter.asked, Texts{"TypeText 0"});
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(SwapKey("F1"), "none");
  EXPECT_EQ(window.boxes[0], "F1");
  EXPECT_EQ(window.boxes[1], "TypeText");

  prompter.answers = {"Hello#World"};
  editor.Change();
  EXPECT_EQ(SwapKey("F1"), "TypeText1");
  EXPECT_EQ(settings.ReadString("TypeText1", "Parameter", ""), "Hello#World");
  EXPECT_EQ(Shown(), Texts{"tip ChangeSuc"});
  EXPECT_EQ(window.Listed(kKeyboard), Texts{"F1=TypeText1"});
}

TEST_F(KeyboardMapEditing, PickingAParameterisedTargetStoresAtOnceWhenASourceIsChosen) {
  window.boxes[1] = "TypeText";
  editor.NewKeyPicked();  // no source yet: the dialog opens, nothing is stored
  EXPECT_EQ(prompter.asked, Texts{"TypeText 0"});
  EXPECT_EQ(SwapKey("F2"), "none");

  window.boxes[0] = "F2";
  prompter.answers = {"65,"};
  window.boxes[1] = "KeySequence";
  editor.NewKeyPicked();
  EXPECT_EQ(SwapKey("F2"), "KeySequence1");
  EXPECT_EQ(Shown(), Texts{"tip ChangeSuc"});
  EXPECT_EQ(window.boxes[0], "F2");  // the boxes keep their texts
  EXPECT_EQ(window.Listed(kKeyboard), Texts{"F2=KeySequence1"});
  // Change with the same boxes asks again and stores under the next number.
  prompter.answers = {"66,"};
  editor.Change();
  EXPECT_EQ(SwapKey("F2"), "KeySequence2");
  // Plain targets picked from the list do nothing by themselves.
  window.boxes[1] = "B";
  editor.NewKeyPicked();
  EXPECT_EQ(prompter.asked.size(), 3u);
}

TEST_F(KeyboardMapEditing, TapHoldOffersTheLayersAndModifyReopensTheStoredParameter) {
  settings.WriteString("Layer Nav", "H", "Left Arrow");
  window.boxes[0] = "Caps Lock";
  window.boxes[1] = "TapHold";
  prompter.answers = {"Esc|Layer Nav|200|press", "Esc|Left Ctrl|300|time"};
  editor.NewKeyPicked();
  EXPECT_EQ(SwapKey("Caps Lock"), "TapHold1");
  EXPECT_EQ(window.Rows(kKeyboard).at(0).does, "Esc / Layer Nav");
  window.Select(kKeyboard, "Caps Lock");
  editor.Modify();
  EXPECT_EQ(prompter.asked, (Texts{"TapHold 0 [Nav]", "TapHold Esc|Layer Nav|200|press [Nav]"}));
  EXPECT_EQ(settings.ReadString("TapHold1", "Parameter", ""), "Esc|Left Ctrl|300|time");
}

TEST_F(KeyboardMapEditing, RowClickFillsTheBoxesAndParameterisedRowsAreNotListedTargets) {
  Change("A", "B");
  prompter.answers = {"x"};
  Change("F1", "TypeText");
  editor.RowClicked(kKeyboard);  // nothing selected
  EXPECT_EQ(window.boxes[0], "");
  window.Select(kKeyboard, "F1");
  editor.RowClicked(kKeyboard);
  EXPECT_EQ(window.boxes[0], "F1");
  EXPECT_EQ(window.boxes[1], "TypeText1");
  Shown();
  editor.Change();  // "TypeText1" is no item of the list: ignored silently
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(prompter.asked.size(), 1u);
}

TEST_F(KeyboardMapEditing, ResetKeyRenumbersTheFileButLeavesTheOtherRowAsShown) {
  prompter.answers = {"one", "two"};
  Change("X", "TypeText");
  Change("Y", "TypeText");
  editor.ResetKey();  // no selection
  EXPECT_EQ(window.Rows(kKeyboard).size(), 2u);
  window.Select(kKeyboard, "X");
  editor.ResetKey();
  EXPECT_EQ(window.Listed(kKeyboard), Texts{"Y=TypeText2"});  // not reloaded
  EXPECT_EQ(SwapKey("X"), "none");
  EXPECT_EQ(SwapKey("Y"), "TypeText1");
  EXPECT_EQ(settings.ReadString("TypeText1", "Parameter", ""), "two");
  EXPECT_EQ(ParameterCount(settings, "TypeText"), 1);
}

TEST_F(KeyboardMapEditing, ModifyReplacesTheParameterOfTheSelectedRowOnly) {
  prompter.answers = {"one", "two"};
  Change("X", "TypeText");
  Change("Y", "TypeText");
  Change("Z", "F5");
  editor.Modify();  // no selection
  window.Select(kKeyboard, "Z");
  editor.Modify();  // not parameterised
  EXPECT_EQ(prompter.asked.size(), 2u);

  window.Select(kKeyboard, "X");
  editor.Modify();  // cancelled
  EXPECT_EQ(prompter.asked.back(), "TypeText one");
  EXPECT_EQ(SwapKey("X"), "TypeText1");

  window.Select(kKeyboard, "X");
  window.boxes[0] = "Q";
  prompter.answers = {"uno"};
  editor.Modify();
  // X's mapping is stored again and gets the last number; Y moved into section 1.
  EXPECT_EQ(SwapKey("X"), "TypeText2");
  EXPECT_EQ(SwapKey("Y"), "TypeText1");
  EXPECT_EQ(settings.ReadString("TypeText2", "Parameter", ""), "uno");
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"Y=TypeText1", "Z=F5", "X=TypeText2"}));
  EXPECT_EQ(window.boxes[0], "");
  EXPECT_TRUE(Shown() == Texts({"tip ChangeSuc", "tip ChangeSuc", "tip ChangeSuc"}));
}

TEST_F(KeyboardMapEditing, ModifyActsOnTheKeyboardMapFromEitherPage) {
  prompter.answers = {"one", "uno"};
  Change("X", "TypeText");
  window.Select(kKeyboard, "X");
  window.page = EditorPage::RegistryMap;
  editor.Modify();
  EXPECT_EQ(settings.ReadString("TypeText1", "Parameter", ""), "uno");
}

TEST_F(KeyboardMapEditing, ResetAllAsksAndThenLeavesOnlyTheEmptyInterceptList) {
  editor.ResetAll();  // empty list: after OK nothing happens
  window.answers = {true};
  editor.ResetAll();
  EXPECT_EQ(channelKeyDeletes, 0);
  EXPECT_EQ(ReadSetting(settings, "Settings", "Sign"), "Zorvane");

  Change("A", "B");
  Shown();
  window.answers = {false};
  editor.ResetAll();
  EXPECT_EQ(SwapKey("A"), "B");
  window.answers = {true};
  editor.ResetAll();
  EXPECT_EQ(Shown(), (Texts{"ok? Are you sure you want to reset all keys?",
                            "ok? Are you sure you want to reset all keys?"}));
  EXPECT_TRUE(window.Rows(kKeyboard).empty());
  EXPECT_EQ(channelKeyDeletes, 1);
  EXPECT_EQ(files.Get("C:\\zv\\Keydat.qnp"), "[DisableKey]\r\nIndex=0\r\n");
}

TEST_F(KeyboardMapEditing, ResetAllOfAFileThatCannotBeDeletedSaysSoAndChangesNothing) {
  Change("A", "B");
  files.Hold("C:\\zv\\Keydat.qnp", true);  // another program has it open
  window.answers = {true};
  EXPECT_THROW(editor.ResetAll(), Error);
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"A=B"}));
  EXPECT_EQ(channelKeyDeletes, 0);
}

TEST_F(KeyboardMapEditing, ChangeOnTheSettingsOrAboutPageStoresToTheKeyboardMapAndShowsIt) {
  window.page = EditorPage::About;
  Change("A", "B");
  EXPECT_EQ(SwapKey("A"), "B");
  EXPECT_EQ(window.page, EditorPage::KeyboardMap);
  EXPECT_EQ(Shown(), Texts{"tip ChangeSuc"});
  // Reset Key and Reset All there do nothing.
  window.page = EditorPage::Settings;
  window.Select(kKeyboard, "A");
  editor.ResetKey();
  window.answers = {true};
  editor.ResetAll();
  EXPECT_EQ(SwapKey("A"), "B");
  EXPECT_EQ(window.Rows(kKeyboard).size(), 1u);
}

TEST_F(KeyboardMapEditing, TheSectionFillsTheListWhateverItsLetterCase) {
  files.Put("C:\\zv\\Keydat.qnp", "[swapkey]\r\nA=B\r\n");
  editor.RefreshKeyboardMap();
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"A=B"}));
  files.Put("C:\\zv\\Keydat.qnp", "[SwapKey]\r\nQ=W\r\nA=TypeText3\r\n");
  editor.RefreshKeyboardMap();
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"Q=W", "A=TypeText3"}));
  files.Delete("C:\\zv\\Keydat.qnp");
  editor.RefreshKeyboardMap();
  EXPECT_TRUE(window.Rows(kKeyboard).empty());
}

// The modifier boxes: shortcuts stored from them or refused with the reason. A refusal keeps
// the boxes for the user to correct; a stored mapping clears them.
TEST_F(KeyboardMapEditing, TickedBoxesStoreTheShortcutOrSayWhyNot) {
  const std::string stored = "tip ChangeSuc", keeps = "message Windows keeps ";
  const std::tuple<const char*, std::uint16_t, std::string> steps[] = {
      {"V", kModCtrl | kModShift, stored},
      {"Delete", kModCtrl | kModAlt, keeps + "Ctrl+Alt+Delete for itself: it cannot be remapped."},
      {"L", kModWin | kModShift, keeps + "Win+Shift+L for itself: it cannot be remapped."},
      {"Right Alt", kModAlt,
       "message Alt+Right Alt is no shortcut: 'Right Alt' is a modifier, not a key."},
      {"A", 0, stored},
  };
  for (const auto& [key, modifiers, shown] : steps) {
    window.modifiers = modifiers;
    Change(key, "B");
    EXPECT_EQ(Shown(), Texts{shown}) << key;
    EXPECT_EQ(window.modifiers, shown == stored ? 0 : modifiers) << key;
  }
  window.page = EditorPage::RegistryMap;
  window.modifiers = kModCtrl;
  Change("A", "B");
  EXPECT_EQ(Shown(), Texts{std::string("message ") + kRegistryShortcutRefusal});
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"A=B", "Ctrl+Shift+V=B"}));
}

TEST_F(KeyboardMapEditing, ShortcutRowsAreClickedModifiedAndResetPerProgram) {
  files.Put("C:\\zv\\Keydat.qnp",
            "[SwapShortcut]\r\nshift+ctrl+left alt+V=TypeText1\r\nCtrl+Foo=B\r\n"
            "[TypeText1]\r\nParameter=x\r\n[Settings]\r\nTypeTextCount=1\r\nSign=Zorvane\r\n");
  editor.RefreshKeyboardMap();
  window.Select(kKeyboard, "Ctrl+Foo");  // listed as not understood, kept in the file
  editor.RowClicked(kKeyboard);
  EXPECT_EQ(window.status, "Ctrl+Foo: 'Foo' is not a key name");
  editor.Modify();  // never stored anew: it would become a key
  window.Select(kKeyboard, "shift+ctrl+left alt+V");
  editor.RowClicked(kKeyboard);
  EXPECT_EQ(window.status + window.boxes[0], "V");
  EXPECT_EQ(window.modifiers, kModCtrl | kModAlt | kModShift);
  prompter.answers = {"y"};
  editor.Modify();
  EXPECT_EQ(prompter.asked, Texts{"TypeText x"});
  window.Select(kKeyboard, "Ctrl+Foo");
  editor.ResetKey();
  EXPECT_EQ(window.Listed(kKeyboard), Texts{"Ctrl+Left Alt+Shift+V=TypeText1"});

  editor.SetProgram("notepad.exe");
  window.modifiers = kModCtrl;
  Change("H", kUnchangedTarget);
  EXPECT_EQ(settings.ReadString("SwapShortcut notepad.exe", "Ctrl+H", ""), kUnchangedTarget);
  window.answers = {true, true};
  editor.ResetAll();
  editor.SetProgram("");
  editor.RefreshKeyboardMap();
  editor.ResetAll();  // the file goes with the last mapping
  EXPECT_FALSE(editor.HasMappings());
}

}  // namespace
}  // namespace zv::testing_editor
