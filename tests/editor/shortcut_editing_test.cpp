// The editor with the modifier boxes: shortcuts stored from the boxes or refused with the
// reason, shortcut rows clicked, modified and reset, names that cannot be read kept.
#include <gtest/gtest.h>

#include "catalogue/shortcut_name.h"
#include "settings/mapping_store.h"
#include "tests/editor/editor_rig.h"

namespace zv::testing_editor {
namespace {

using Texts = std::vector<std::string>;
constexpr auto kKeyboard = MapList::SwapKeyList;

class ShortcutEditing : public ::testing::Test, public EditorRig {};

TEST_F(ShortcutEditing, TickedBoxesStoreTheShortcutOrSayWhyNot) {
  struct Step {
    const char* key;
    std::uint16_t modifiers;
    const char* refusal;  // "" when stored
  } const steps[] = {
      {"V", kModCtrl | kModShift, ""},
      {"Delete", kModCtrl | kModAlt,
       "Windows keeps Ctrl+Alt+Delete for itself: it cannot be remapped."},
      {"L", kModWin | kModShift, "Windows keeps Win+Shift+L for itself: it cannot be remapped."},
      {"Right Alt", kModAlt, "Alt+Right Alt is no shortcut: 'Right Alt' is a modifier, not a key."},
      {"A", 0, ""},
  };
  for (const Step& step : steps) {
    window.modifiers = step.modifiers;
    Change(step.key, "B");
    // A refusal keeps the boxes for the user to correct; a stored mapping clears them.
    bool stored = *step.refusal == '\0';
    EXPECT_EQ(Shown(), Texts{stored ? "tip ChangeSuc" : std::string("message ") + step.refusal});
    EXPECT_EQ(window.modifiers, stored ? 0 : step.modifiers);
  }
  window.page = EditorPage::RegistryMap;
  window.modifiers = kModCtrl;
  Change("A", "B");
  EXPECT_EQ(Shown(), Texts{std::string("message ") + kRegistryShortcutRefusal});
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"A=B", "Ctrl+Shift+V=B"}));
  EXPECT_EQ(InterceptedCodes(settings), Texts{"65"});
}

TEST_F(ShortcutEditing, ShortcutRowsAreClickedModifiedAndResetPerProgram) {
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
