#include "ui/mapping_editor.h"

#include <algorithm>
#include <cctype>

#include "catalogue/key_catalogue.h"
#include "catalogue/key_lists.h"
#include "catalogue/tap_hold_form.h"
#include "common/error.h"
#include "scancode/scancode_map.h"
#include "settings/mapping_store.h"
#include "settings/settings.h"
#include "ui/shortcut_source.h"
#include "ui/target_description.h"
#include "ui/tip_rules.h"

namespace zv {
namespace {

const char* const kRowIndent = "            ";  // twelve blanks before the source key name

bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

bool IsShiftKey(const std::string& name) {
  return name == "Left Shift" || name == "Right Shift";
}

bool IsNumPadDigit(int code) {
  return code >= 96 && code <= 105;
}

}  // namespace

std::string RowName(const MapRow& row) {
  const std::string caption = row.caption.substr(0, row.caption.rfind(kNotUnderstood));
  const std::size_t first = caption.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  const std::size_t last = caption.find_last_not_of(' ');
  return caption.substr(first, last - first + 1);
}

bool IsListedName(const std::vector<std::string>& list, const std::string& text) {
  return std::any_of(list.begin(), list.end(),
                     [&](const std::string& item) { return EqualIgnoringCase(item, text); });
}

MappingEditor::MappingEditor(MappingEditorParts parts)
    : parts_(std::move(parts)), view_(parts_.view) {}

void MappingEditor::LoadLists() {
  LoadKeyboardMap();
  try {
    LoadRegistryMap();
  } catch (const Error& e) {
    // A "Scancode Map" of the wrong type must not stop the window's creation.
    view_.ClearRows(MapList::RegListView);
    view_.ShowError(e.what());
  }
}

int MappingEditor::BoxKeyDown(KeyBox box, int virtualKey) {
  const std::string_view name = KeyNameOfCode(SidedModifierCode(virtualKey, parts_.keys));
  if (name != " ") view_.SetBoxText(box, std::string(name));
  return kCapturedKey;
}

void MappingEditor::Change() {
  const std::string key = view_.BoxText(KeyBox::OldKey);
  const std::string target = view_.BoxText(KeyBox::NewKey);
  if (key.empty() || target.empty()) return;
  if (!IsListedName(OriginalKeyList(), key) || !IsTarget(target)) return;
  const std::string source = SourceOfTheBoxes();
  if (source.empty()) return;
  if (source != key && view_.ActivePage() == EditorPage::RegistryMap) {
    view_.ShowMessage(kRegistryShortcutRefusal);
    return;
  }
  if (source == target) {
    view_.ShowMessage(kSameKeyMessage);
    return;
  }
  if (IsShiftKey(source) && IsNumPadDigit(ResolveKeyCode(target))) {
    view_.ShowMessage(kShiftToNumPadMessage);
    return;
  }
  const EditorPage page = view_.ActivePage();
  if (page == EditorPage::RegistryMap) {
    if (!StoreOnRegistryMap(source, target)) return;
    view_.ShowTip(kRegChangeSucTipKey, kRegChangeSucTipText);
  } else {
    // "Settings" and "About" store to the Keyboard Map too, and show it so the row is seen.
    if (!StoreOnKeyboardMap(source, target)) return;
    if (page != EditorPage::KeyboardMap) view_.ShowPage(EditorPage::KeyboardMap);
    view_.ShowTip(kChangeSucTipKey, kChangeSucTipText);
  }
  ClearBoxes();
  RefreshKeyboardMap();
  RefreshRegistryMap();
}

bool MappingEditor::StoreOnKeyboardMap(const std::string& source, const std::string& target) {
  std::string parameter = " ";
  if (IsParameterizedAction(target)) {
    parameter = EditParameter(target);
    if (parameter == " ") return false;
  }
  StoreMapping(parts_.settings, source, target, parameter, program_);
  return true;
}

bool MappingEditor::IsTarget(const std::string& name) const {
  // A key can be kept unchanged in one program only: in all programs it is unmapped.
  if (!program_.empty() && !IsLayerScope(program_) && name == kUnchangedTarget) return true;
  return IsListedName(ChangedToList(), name);
}

bool MappingEditor::StoreOnRegistryMap(const std::string& source, const std::string& target) {
  // The system's map exchanges scan codes only: both keys need one.
  if (ScancodeOfName(target) == "-1" || ScancodeOfName(source) == "-1") {
    view_.ShowMessage(kRawMapRefusal);
    return false;
  }
  return WrittenOrElevated(parts_.scancodes.Add(source, target));
}

bool MappingEditor::WrittenOrElevated(const ScancodeWrite& write) {
  if (!write.denied) return true;
  // A declined offer is the user's own answer: nothing more to say.
  if (!view_.AskYesNo(kElevateQuestion)) return false;
  ElevatedResult result = parts_.scancodes.WriteElevated(write.hex);
  // No at Windows' consent prompt is the user's answer too.
  if (result == ElevatedResult::kDeclined) return false;
  if (result == ElevatedResult::kFailed)
    throw Error(write.hex.empty() ? kScancodeDeleteFailed : kScancodeWriteFailed);
  return true;
}

void MappingEditor::NewKeyPicked() {
  const std::string target = view_.BoxText(KeyBox::NewKey);
  if (!IsParameterizedAction(target)) return;
  const std::string parameter = EditParameter(target);
  if (parameter == " " || view_.BoxText(KeyBox::OldKey).empty()) return;
  const std::string source = SourceOfTheBoxes();
  if (source.empty()) return;
  StoreMapping(parts_.settings, source, target, parameter, program_);
  RefreshKeyboardMap();
  view_.ShowTip(kChangeSucTipKey, kChangeSucTipText);
}

void MappingEditor::RowClicked(MapList list) {
  const int index = view_.SelectedIndex(list);
  if (index < 0) return;
  const MapRow row = view_.Row(list, index);
  const std::string name = RowName(row);
  const ParsedShortcut shortcut = ParseShortcutName(name);
  const bool unreadable = row.caption != kRowIndent + name;
  // A shortcut fills the key box and ticks its modifiers; one that cannot be read says why.
  const BoxesOfSource boxes = shortcut.ok ? BoxesOf(shortcut) : BoxesOfSource{name, 0};
  view_.SetBoxText(KeyBox::OldKey, unreadable ? "" : boxes.key);
  view_.SetModifierBoxes(boxes.modifiers);
  view_.SetBoxText(KeyBox::NewKey, row.target);
  view_.ShowStatus(unreadable ? name + ": " + shortcut.reason : "");
}

void MappingEditor::ResetKey() {
  switch (view_.ActivePage()) {
    case EditorPage::KeyboardMap: {
      const int index = view_.SelectedIndex(MapList::SwapKeyList);
      if (index < 0) return;
      RemoveMapping(parts_.settings, RowName(view_.Row(MapList::SwapKeyList, index)), program_);
      view_.DeleteRow(MapList::SwapKeyList, index);
      view_.ShowStatus("");  // the note was on the removed row
      return;
    }
    case EditorPage::RegistryMap: {
      const int index = view_.SelectedIndex(MapList::RegListView);
      if (index < 0) return;
      const MapRow row = view_.Row(MapList::RegListView, index);
      if (!WrittenOrElevated(parts_.scancodes.Remove(RowName(row), row.target))) return;
      view_.DeleteRow(MapList::RegListView, index);
      return;
    }
    default:
      return;
  }
}

void MappingEditor::ResetAll() {
  const bool oneProgram = !program_.empty() && view_.ActivePage() == EditorPage::KeyboardMap;
  // A layer is named as its section is ("Layer Nav").
  const std::string scope = IsLayerScope(program_) ? SwapKeySection(program_) : program_;
  if (!view_.ConfirmOkCancel(oneProgram ? kResetProgramQuestion + scope + "?"
                                        : kResetAllQuestion)) {
    return;
  }
  switch (view_.ActivePage()) {
    case EditorPage::KeyboardMap:
      ResetAllOfKeyboardMap();
      return;
    case EditorPage::RegistryMap:
      // Done, refused or declined: the list then shows what the registry holds.
      try {
        WrittenOrElevated(parts_.scancodes.DeleteAll());
      } catch (const Error&) {
        RefreshRegistryMap();
        throw;
      }
      RefreshRegistryMap();
      return;
    default:
      return;
  }
}

void MappingEditor::ResetAllOfKeyboardMap() {
  if (view_.RowCount(MapList::SwapKeyList) == 0) return;
  const IniDocument& doc = parts_.settings.Current();
  if (program_.empty() && ProgramsWithMappings(doc).empty() && Layers(doc).empty()) {
    parts_.settings.RemoveFile();  // a file that stays is reported, list and file unchanged
    view_.ClearRows(MapList::SwapKeyList);
    if (parts_.deleteChannelKey) parts_.deleteChannelKey();
    WriteSetting(parts_.settings, "DisableKey", "Index", "0");
    return;
  }
  view_.ClearRows(MapList::SwapKeyList);
  if (!program_.empty()) {
    RemoveProgramMappings(parts_.settings, program_);
    return;
  }
  // The mappings of single programs stay: only those shown, of all programs, go.
  SettingsFile::Batch batch(parts_.settings);
  for (const std::string& section : {SwapKeySection(""), ShortcutSection("")})
    for (const std::string& source : parts_.settings.ReadSection(section))
      RemoveMapping(parts_.settings, source);
  batch.Commit();
}

void MappingEditor::Modify() {
  // Always the Keyboard Map's row, whichever list the popup menu was opened on.
  const int index = view_.SelectedIndex(MapList::SwapKeyList);
  if (index < 0) return;
  const MapRow row = view_.Row(MapList::SwapKeyList, index);
  // A name that cannot be read stays as it is: storing it anew would make it a key.
  if (!IsParameterizedAction(row.target) || row.caption != kRowIndent + RowName(row)) return;
  ReplaceMappingParameter(RowName(row), row.target);
}

void MappingEditor::ReplaceMappingParameter(const std::string& source, const std::string& value) {
  const std::string parameter = EditParameter(value);
  if (parameter == " ") return;
  RemoveMapping(parts_.settings, source, program_);
  StoreMapping(parts_.settings, source, StripNumberSuffix(value), parameter, program_);
  RefreshKeyboardMap();
  ClearBoxes();
}

std::string MappingEditor::EditParameter(const std::string& target) {
  return EditParameterOfCode(ResolveKeyCode(target),
                             ReadSetting(parts_.settings, target, "Parameter"), parts_.prompter,
                             LayerNamesOfSections(parts_.settings.ReadSections()));
}

void MappingEditor::LoadKeyboardMap() {
  // The section's name matches in any letter case ("[swapkey]" written by hand), as it does
  // for the engine: a list left empty would refuse to activate the engine.
  const std::string section = SwapKeySectionIn(parts_.settings.Current(), program_);
  for (const std::string& key : parts_.settings.ReadSection(section)) {
    const std::string target = parts_.settings.ReadString(section, key, "");
    const std::string parameter =
        IsParameterizedAction(target) ? ReadSetting(parts_.settings, target, "Parameter") : "";
    view_.AppendRow(MapList::SwapKeyList,
                    {kRowIndent + key, target, TargetDescription(target, parameter)});
  }
  AppendShortcutRows();
}

void MappingEditor::AppendShortcutRows() {
  if (IsLayerScope(program_)) return;  // a layer has no shortcut sources
  const std::string section = ShortcutSectionIn(parts_.settings.Current(), program_);
  for (const std::string& name : parts_.settings.ReadSection(section)) {
    const bool readable = ParseShortcutName(name).ok;
    const std::string target = parts_.settings.ReadString(section, name, "");
    const std::string parameter =
        IsParameterizedAction(target) ? ReadSetting(parts_.settings, target, "Parameter") : "";
    view_.AppendRow(MapList::SwapKeyList, {kRowIndent + name + (readable ? "" : kNotUnderstood),
                                           target, TargetDescription(target, parameter)});
  }
}

bool MappingEditor::HasMappings() {
  std::vector<std::string> programs = ProgramsWithMappings(parts_.settings.Current());
  programs.push_back("");
  const IniDocument& doc = parts_.settings.Current();
  return std::any_of(programs.begin(), programs.end(), [&](const std::string& program) {
    return !doc.ReadSection(SwapKeySectionIn(doc, program)).empty() ||
           !doc.ReadSection(ShortcutSectionIn(doc, program)).empty();
  });
}

void MappingEditor::RefreshKeyboardMap() {
  view_.ClearRows(MapList::SwapKeyList);
  view_.ShowStatus("");
  LoadKeyboardMap();
}

void MappingEditor::LoadRegistryMap() {
  for (const std::string& entry : parts_.scancodes.List()) {
    const std::size_t at = entry.find('@');
    const std::string target = entry.substr(0, at);
    const std::string source = at == std::string::npos ? "" : entry.substr(at + 1);
    view_.AppendRow(MapList::RegListView, {kRowIndent + source, target, ""});
  }
}

void MappingEditor::RefreshRegistryMap() {
  view_.ClearRows(MapList::RegListView);
  LoadRegistryMap();
}

void MappingEditor::ClearBoxes() {
  view_.SetBoxText(KeyBox::OldKey, "");
  view_.SetBoxText(KeyBox::NewKey, "");
  view_.SetModifierBoxes(0);
}

std::string MappingEditor::SourceOfTheBoxes() {
  BoxSource source = SourceOfBoxes(view_.BoxText(KeyBox::OldKey), view_.ModifierBoxes());
  // Said before a parameter dialog asks for what could not be stored.
  if (source.refusal.empty() && IsLayerScope(program_) && IsShortcutSource(source.name) &&
      view_.ActivePage() != EditorPage::RegistryMap)
    source.refusal = kLayerShortcutRefusal;
  if (source.refusal.empty()) return source.name;
  view_.ShowMessage(source.refusal);
  return "";
}

}  // namespace zv
