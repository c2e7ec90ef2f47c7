// The editor with the modifier boxes: shortcuts stored from the boxes, refused with the reason,
// and shortcut rows that fill the boxes, are modified, reset and kept when they cannot be read.
#include <gtest/gtest.h>

#include "settings/mapping_store.h"
#include "tests/editor/editor_rig.h"
#include "ui/shortcut_source.h"

namespace zv::testing_editor {
namespace {

using Texts = std::vector<std::string>;
constexpr auto kKeyboard = MapList::SwapKeyList;
constexpr std::uint16_t kCtrlShift = kModCtrl | kModShift;

class ShortcutEditing : public ::testing::Test, public EditorRig {
 protected:
  void Change(const std::string& key, std::uint16_t modifiers, const std::string& target) {
    window.modifiers = modifiers;
    EditorRig::Change(key, target);
  }
};

TEST_F(ShortcutEditing, TickedBoxesStoreTheShortcutOrSayWhyNot) {
  struct Step {
    const char* key;
    std::uint16_t modifiers;
    const char* shown;  // what the user is told
  } const steps[] = {
      {"V", kCtrlShift, "tip ChangeSuc"},
      {"Delete", kModCtrl | kModAlt,
       "message Windows keeps Ctrl+Alt+Delete for itself: it cannot be remapped."},
      {"L", kModWin | kModShift,
       "message Windows keeps Win+Shift+L for itself: it cannot be remapped."},
      {"Right Alt", kModAlt,
       "message Alt+Right Alt is no shortcut: 'Right Alt' is a modifier, not a key."},
      {"A", 0, "tip ChangeSuc"},
  };
  for (const Step& step : steps) {
    Change(step.key, step.modifiers, "B");
    EXPECT_EQ(Shown(), Texts{step.shown});
    // A refusal keeps the boxes for the user to correct; a stored mapping clears them.
    bool stored = step.shown == std::string("tip ChangeSuc");
    EXPECT_EQ(window.boxes[0], stored ? "" : step.key);
    EXPECT_EQ(window.modifiers, stored ? 0 : step.modifiers);
  }
  window.page = EditorPage::RegistryMap;
  Change("A", kModCtrl, "B");
  EXPECT_EQ(Shown(), Texts{std::string("message ") + kRegistryShortcutRefusal});
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"A=B", "Ctrl+Shift+V=B"}));
  EXPECT_EQ(InterceptedCodes(settings), Texts{"65"});
}

TEST_F(ShortcutEditing, ShortcutRowsAreClickedModifiedAndResetPerProgram) {
  files.Put("C:\\zv\\Keydat.qnp",
            "[SwapShortcut]\r\nshift+ctrl+left alt+V=TypeText1\r\nCtrl+Foo=B\r\n"
            "[TypeText1]\r\nParameter=x\r\n[Settings]\r\nTypeTextCount=1\r\nSign=Zorvane\r\n");
  editor.RefreshKeyboardMap();
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"shift+ctrl+left alt+V=TypeText1", "Ctrl+Foo=B"}));
  EXPECT_EQ(window.Rows(kKeyboard)[1].caption,
            std::string("            Ctrl+Foo") + kNotUnderstood);

  window.Select(kKeyboard, "Ctrl+Foo");
  editor.RowClicked(kKeyboard);
  EXPECT_EQ(window.status, "Ctrl+Foo: 'Foo' is not a key name");
  EXPECT_EQ(window.boxes[0], "");
  editor.Modify();  // never stored anew: it would become a key
  EXPECT_TRUE(prompter.asked.empty());

  window.Select(kKeyboard, "shift+ctrl+left alt+V");
  editor.RowClicked(kKeyboard);
  EXPECT_EQ(window.status, "");
  EXPECT_EQ(window.boxes[0], "V");
  EXPECT_EQ(window.modifiers, kCtrlShift | kModAlt);
  prompter.answers = {"y"};
  editor.Modify();
  EXPECT_EQ(settings.ReadSection("SwapShortcut"), (Texts{"Ctrl+Foo", "Ctrl+Left Alt+Shift+V"}));
  EXPECT_EQ(settings.ReadString("TypeText1", "Parameter", ""), "y");

  window.Select(kKeyboard, "Ctrl+Foo");
  editor.ResetKey();
  EXPECT_EQ(settings.ReadSection("SwapShortcut"), (Texts{"Ctrl+Left Alt+Shift+V"}));

  editor.SetProgram("notepad.exe");
  Change("H", kModCtrl, kUnchangedTarget);
  EXPECT_EQ(window.Listed(kKeyboard), (Texts{"Ctrl+H=Unchanged"}));
  EXPECT_TRUE(editor.HasMappings());
  window.answers = {true};
  editor.ResetAll();
  EXPECT_EQ(settings.ReadSection("SwapShortcut notepad.exe"), Texts{});
  editor.SetProgram("");
  editor.RefreshKeyboardMap();
  window.answers = {true};
  editor.ResetAll();  // the file goes with the last mapping
  EXPECT_FALSE(editor.HasMappings());
}

}  // namespace
}  // namespace zv::testing_editor
