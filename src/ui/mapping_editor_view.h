#pragma once
// What the mapping editor needs from its window and from the system's scancode map. The window
// implements MappingEditorView; the program implements ScancodeMapPort over the registry. Both
// are small so the editor's rules run natively against fakes.
#include <cstdint>
#include <string>
#include <vector>

namespace zv {

// The pages of PageControl1, in their order.
enum class EditorPage { KeyboardMap, RegistryMap, Settings, About };

// SwapKeyList (the Keyboard Map) and RegListView (the Registry Map).
enum class MapList { SwapKeyList, RegListView };

// cbbOldKey ("Original Key") and cbbNewKey ("Changed to").
enum class KeyBox { OldKey, NewKey };

struct MapRow {
  std::string caption;  // twelve blanks and the source key or shortcut name (kNotUnderstood
                        // follows a shortcut name that cannot be read)
  std::string target;   // the first sub-item
  std::string does;     // the second: what a parameterised target does ("" for the others)
};

class MappingEditorView {
 public:
  virtual ~MappingEditorView() = default;

  virtual std::string BoxText(KeyBox box) = 0;
  // Sets a box's text without counting as the user's pick (no target selection follows).
  virtual void SetBoxText(KeyBox box, const std::string& text) = 0;

  // The modifier boxes beside cbbOldKey (kModWin, kModCtrl, kModAlt, kModShift bits).
  virtual std::uint16_t ModifierBoxes() = 0;
  virtual void SetModifierBoxes(std::uint16_t modifiers) = 0;
  // A note on the selected row in the status bar; "" takes it away.
  virtual void ShowStatus(const std::string& text) = 0;

  virtual EditorPage ActivePage() = 0;
  virtual void ShowPage(EditorPage page) = 0;

  virtual int RowCount(MapList list) = 0;
  // The last selected row, -1 when none is selected.
  virtual int SelectedIndex(MapList list) = 0;
  virtual MapRow Row(MapList list, int index) = 0;
  virtual void AppendRow(MapList list, const MapRow& row) = 0;
  virtual void DeleteRow(MapList list, int index) = 0;
  virtual void ClearRows(MapList list) = 0;

  // A plain message box with the application's title and one "OK" button.
  virtual void ShowMessage(const std::string& text) = 0;
  // The standard error box.
  virtual void ShowError(const std::string& text) = 0;
  // OK/Cancel and Yes/No questions owned by the main window; true for OK and Yes.
  virtual bool ConfirmOkCancel(const std::string& text) = 0;
  virtual bool AskYesNo(const std::string& text) = 0;
  // The tip dialog with its "don't show again" box, remembered per tip key.
  virtual void ShowTip(const std::string& key, const std::string& text) = 0;
};

// The outcome of a change to the system's scancode map.
struct ScancodeWrite {
  bool denied = false;  // the system refused the write for lack of rights
  std::string hex;      // then: the value that was to be written, as hexadecimal text ("":
                        // the value was to be deleted)
};

// What became of a write through an elevated copy of the program: done, declined by the user at
// Windows' consent prompt, or failed (it could not start, or the write was refused).
enum class ElevatedResult { kDone, kDeclined, kFailed };

class ScancodeMapPort {
 public:
  virtual ~ScancodeMapPort() = default;
  // One "target@source" text per entry, in stored order. Throws zv::Error for a value of the
  // wrong type.
  virtual std::vector<std::string> List() = 0;
  // Add or replace the source key's entry; remove the entry target+source. Other failures
  // than missing rights throw zv::Error.
  virtual ScancodeWrite Add(const std::string& source, const std::string& target) = 0;
  virtual ScancodeWrite Remove(const std::string& source, const std::string& target) = 0;
  // Deletes the value; denied with an empty hex when it stays for lack of rights.
  virtual ScancodeWrite DeleteAll() = 0;
  // Writes the value (an empty hex: deletes it) through an elevated copy of the program.
  virtual ElevatedResult WriteElevated(const std::string& hex) = 0;
};

}  // namespace zv
