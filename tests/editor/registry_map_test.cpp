// The editor on the Registry Map page: the system's scancode map through its port, the refusals
// of keys without scan codes, the administrator question, and a map that cannot be read.
#include <gtest/gtest.h>

#include "platform/fake/fake_registry.h"
#include "scancode/scancode_map.h"
#include "tests/editor/editor_rig.h"
#include "ui/registry_scancode_map.h"

namespace zv::testing_editor {
namespace {

using Texts = std::vector<std::string>;
constexpr auto kRegistry = MapList::RegListView;
const char* const kElevate =
    "yes? Windows lets only administrators change its key map. Make the change as administrator?";

class RegistryMapEditing : public ::testing::Test, public EditorRig {
 protected:
  void SetUp() override { window.page = EditorPage::RegistryMap; }
};

TEST_F(RegistryMapEditing, ChangeWritesTheMapAndBothListsFollow) {
  Change("A", "B");
  Change("Caps Lock", "Left Ctrl");
  EXPECT_EQ(scancodes.entries, (Texts{"B@A", "Left Ctrl@Caps Lock"}));
  EXPECT_EQ(window.Listed(kRegistry), (Texts{"A=B", "Caps Lock=Left Ctrl"}));
  EXPECT_EQ(window.Rows(kRegistry)[0].caption, "            A");
  EXPECT_EQ(Shown(), (Texts{"tip RegChangeSuc", "tip RegChangeSuc"}));
  EXPECT_EQ(SwapKey("A"), "none");  // the settings file is not touched
  EXPECT_EQ(window.boxes[0], "");
  // Changing A again moves its entry behind the other.
  Change("A", "DisableKey");
  EXPECT_EQ(window.Listed(kRegistry), (Texts{"Caps Lock=Left Ctrl", "A=DisableKey"}));
}

TEST_F(RegistryMapEditing, KeysWithoutAScanCodeAreRefusedBeforeAnythingIsWritten) {
  Change("A", "TypeText");
  Change("Print Screen", "B");
  EXPECT_EQ(Shown(),
            (Texts{"message Raw map do not support this change,please select other keys!",
                   "message Raw map do not support this change,please select other keys!"}));
  EXPECT_TRUE(scancodes.entries.empty());
  EXPECT_TRUE(prompter.asked.empty());  // no parameter dialog on this page
  EXPECT_EQ(window.boxes[0], "Print Screen");
  // The Shift rule holds here too, before the page is consulted.
  Change("Right Shift", "Num 0");
  EXPECT_EQ(Shown(), Texts{"message Do not support this change,please select other keys!"});
}

TEST_F(RegistryMapEditing, ResetKeyRemovesTheSelectedEntryAndResetAllTheValue) {
  Change("A", "B");
  Change("C", "D");
  window.Select(kRegistry, "A");
  editor.ResetKey();
  EXPECT_EQ(scancodes.entries, Texts{"D@C"});
  EXPECT_EQ(window.Listed(kRegistry), Texts{"C=D"});
  window.answers = {true};
  editor.ResetAll();
  EXPECT_TRUE(scancodes.entries.empty());
  EXPECT_TRUE(window.Rows(kRegistry).empty());
}

TEST_F(RegistryMapEditing, ARefusedWriteIsOfferedToAnAdministrator) {
  Change("A", "B");
  scancodes.denied = true;
  Shown();
  // Yes: the value that was refused is written elevated, then the list shows it.
  window.answers = {true};
  Change("Caps Lock", "Esc");
  EXPECT_EQ(scancodes.elevated, Texts{"HEX2"});
  EXPECT_EQ(window.Listed(kRegistry), (Texts{"A=B", "Caps Lock=Esc"}));
  EXPECT_EQ(Shown(), (Texts{kElevate, "tip RegChangeSuc"}));
  // No: nothing changes, nothing more is said, and the boxes keep their texts.
  window.answers = {false};
  window.boxes[0] = "C";
  window.boxes[1] = "D";
  editor.Change();
  EXPECT_EQ(window.boxes[0], "C");
  EXPECT_EQ(scancodes.entries.size(), 2u);
  // No at Windows' consent prompt says nothing more either.
  scancodes.elevatedResult = ElevatedResult::kDeclined;
  window.answers = {true};
  editor.Change();
  EXPECT_EQ(scancodes.entries.size(), 2u);
  // An elevated write that did not happen is the plain failure; Reset Key keeps its row then.
  scancodes.elevatedResult = ElevatedResult::kFailed;
  window.answers = {true};
  window.Select(kRegistry, "A");
  EXPECT_THROW(
      try { editor.ResetKey(); } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Scancode Map'");
        throw;
      },
      Error);
  EXPECT_EQ(window.Rows(kRegistry).size(), 2u);
  EXPECT_EQ(Shown(), (Texts{kElevate, kElevate, kElevate}));
}

TEST_F(RegistryMapEditing, ARefusedResetAllIsOfferedToAnAdministratorAndTheListFollowsTheMap) {
  Change("A", "B");
  scancodes.denied = true;
  scancodes.elevatedResult = ElevatedResult::kFailed;
  Shown();
  // Declined: nothing more is said; failed: the failure. The rows stay, as the value does.
  window.answers = {true, false};
  editor.ResetAll();
  EXPECT_EQ(window.Listed(kRegistry), Texts{"A=B"});
  window.answers = {true, true};
  EXPECT_THROW(editor.ResetAll(), Error);
  EXPECT_EQ(window.Listed(kRegistry), Texts{"A=B"});
  scancodes.elevatedResult = ElevatedResult::kDone;
  window.answers = {true, true};
  editor.ResetAll();
  EXPECT_EQ(scancodes.elevated, (Texts{"", ""}));  // an empty value: the deletion
  EXPECT_TRUE(window.Rows(kRegistry).empty());
}

TEST_F(RegistryMapEditing, AnUnreadableMapAtCreationIsShownOnceAndTheRestLoads) {
  files.Put("C:\\zv\\Keydat.qnp", "[SwapKey]\r\nA=B\r\n");
  scancodes.entries = {"B@A"};
  scancodes.wrongType = true;
  editor.LoadLists();
  EXPECT_EQ(Shown(), Texts{"error Invalid data type for 'Scancode Map'"});
  EXPECT_EQ(window.Listed(MapList::SwapKeyList), Texts{"A=B"});
  EXPECT_TRUE(window.Rows(kRegistry).empty());
  // An entry whose scan code has no name lists with an empty name on that side.
  scancodes.wrongType = false;
  scancodes.entries = {"@A", "B@"};
  editor.RefreshRegistryMap();
  EXPECT_EQ(window.Listed(kRegistry), (Texts{"A=", "=B"}));
}

}  // namespace
}  // namespace zv::testing_editor

namespace zv::testing_editor {
namespace {

// The port over the scancode map's own operations, on a registry that a standard user may
// read but not change: the refused value reaches the elevated writer byte for byte.
TEST(RegistryScancodeMapPort, ARefusedValueGoesToTheElevatedWriterUnchanged) {
  fake::FakeRegistry registry;
  registry.CloseKey(registry.CreateKey(platform::RegistryRoot::LocalMachine, kScancodeMapKeyPath));
  std::vector<std::string> written;
  RegistryScancodeMap port(registry, [&](const std::string& hex) {
    written.push_back(hex);
    return ElevatedResult::kDone;
  });
  EXPECT_FALSE(port.Add("Caps Lock", "Left Ctrl").denied);
  EXPECT_EQ(port.List(), Texts{"Left Ctrl@Caps Lock"});

  registry.SetWritable(platform::RegistryRoot::LocalMachine, false);
  const ScancodeWrite add = port.Add("A", "B");
  EXPECT_TRUE(add.denied);
  EXPECT_EQ(add.hex,
            "000000000000000003000000"
            "1D003A00"
            "30001E00"
            "00000000");
  const ScancodeWrite remove = port.Remove("Caps Lock", "Left Ctrl");
  EXPECT_EQ(remove.hex,
            "000000000000000001000000"
            "00000000");
  EXPECT_EQ(port.List(), Texts{"Left Ctrl@Caps Lock"});  // nothing changed meanwhile
  EXPECT_EQ(port.WriteElevated(add.hex), ElevatedResult::kDone);
  EXPECT_EQ(written, Texts{add.hex});
  EXPECT_EQ(RegistryScancodeMap(registry, nullptr).WriteElevated(add.hex), ElevatedResult::kFailed);
}

}  // namespace
}  // namespace zv::testing_editor
