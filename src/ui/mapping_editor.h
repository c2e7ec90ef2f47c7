#pragma once
// The rules of the main window's mapping editor: key capture in the two boxes, Change, target
// selection, row click, Reset Key, Reset All, Modify, and filling the two lists. The window
// turns its messages into these calls; the editor never calls the engine, it writes the
// settings file (the engine reads it at every key event) or the system's scancode map.
#include <functional>
#include <string>

#include "platform/key_state.h"
#include "settings/settings_file.h"
#include "ui/mapping_editor_view.h"
#include "ui/parameter_prompter.h"

namespace zv {

inline constexpr const char* kSameKeyMessage = "Can not change the same key!";
inline constexpr const char* kShiftToNumPadMessage =
    "Do not support this change,please select other keys!";
inline constexpr const char* kResetAllQuestion = "Are you sure you want to reset all keys?";
// Reset All with a program chosen; the program's name follows.
inline constexpr const char* kResetProgramQuestion = "Are you sure you want to reset all keys in ";
inline constexpr const char* kElevateQuestion =
    "Windows lets only administrators change its key map. Make the change as administrator?";
inline constexpr const char* kScancodeWriteFailed = "Failed to set data for 'Scancode Map'";
inline constexpr const char* kScancodeDeleteFailed = "Failed to delete 'Scancode Map'";
inline constexpr const char* kRegistryShortcutRefusal =
    "The Registry Map swaps single keys: untick the modifier boxes to change a key there.";
// After the name of a "SwapShortcut" entry that cannot be read: it is kept, never applied.
inline constexpr const char* kNotUnderstood = "   (not understood)";

// The code a captured key hands on to the box, so that the box's own handling does nothing.
inline constexpr int kCapturedKey = 300;

struct MappingEditorParts {
  MappingEditorView& view;
  SettingsFile& settings;
  ScancodeMapPort& scancodes;
  ParameterPrompter& prompter;
  platform::KeyState& keys;
  // Reset All removes the registry channel's "DisableKey" key with the settings file.
  std::function<void()> deleteChannelKey;
};

class MappingEditor {
 public:
  explicit MappingEditor(MappingEditorParts parts);

  // Window creation: both lists. A Registry Map that cannot be read is shown once and leaves
  // its list empty; creation goes on.
  void LoadLists();

  // cbbOldKeyKeyDown, cbbNewKeyKeyDown: names the key in the box; returns the code to hand on.
  int BoxKeyDown(KeyBox box, int virtualKey);
  void Change();        // BitBtn8Click
  void NewKeyPicked();  // cbbNewKeyChange: an item of the box's list or of the target menu
  void RowClicked(MapList list);  // SwapKeyListClick, RegListViewClick
  void ResetKey();                // BitBtn9Click, N4Click, Delete on SwapKeyList
  void ResetAll();                // BitBtn10Click
  void Modify();                  // N7Click

  // The program whose mappings the Keyboard Map shows and edits; "" for all programs. The
  // caller refreshes the list.
  void SetProgram(const std::string& program) { program_ = program; }
  const std::string& program() const { return program_; }

  // Whether all programs or any one program have a mapping, whichever list is shown.
  bool HasMappings();

  void LoadKeyboardMap();
  void RefreshKeyboardMap();
  void LoadRegistryMap();
  void RefreshRegistryMap();

  // Opens the target's parameter dialog with its stored parameter; " " when there is none.
  std::string EditParameter(const std::string& target);
  void ReplaceMappingParameter(const std::string& source, const std::string& value);

 private:
  bool StoreOnKeyboardMap(const std::string& source, const std::string& target);
  bool StoreOnRegistryMap(const std::string& source, const std::string& target);
  // Carries out a denied scancode write elevated when the user agrees; false when the user
  // declined. Throws when the elevated write did not happen.
  bool WrittenOrElevated(const ScancodeWrite& write);
  void ClearBoxes();
  // The source the boxes name; "" after showing why they name none.
  std::string SourceOfTheBoxes();
  void AppendShortcutRows();
  bool IsTarget(const std::string& name) const;
  void ResetAllOfKeyboardMap();

  MappingEditorParts parts_;
  MappingEditorView& view_;
  std::string program_;
};

// The row name: the caption without its leading and trailing blanks (and kNotUnderstood).
std::string RowName(const MapRow& row);
// Membership in a box's list, ignoring letter case as the combo box's own search does.
bool IsListedName(const std::vector<std::string>& list, const std::string& text);

}  // namespace zv
