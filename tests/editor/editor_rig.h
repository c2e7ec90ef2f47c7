#pragma once
// The mapping editor against an in-memory window, settings file and scancode map. The window
// answers questions from a script and records what it showed, one line per message, question
// and tip ("message Can not change the same key!", "tip ChangeSuc").
#include <deque>
#include <string>
#include <vector>

#include "common/error.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_key_state.h"
#include "settings/settings.h"
#include "tests/dialogs/scripted_prompter.h"
#include "tests/editor/fake_scancode_map.h"
#include "ui/mapping_editor.h"

namespace zv::testing_editor {

class FakeWindow : public MappingEditorView {
 public:
  std::string boxes[2];
  EditorPage page = EditorPage::KeyboardMap;
  std::vector<MapRow> rows[2];
  int selected[2] = {-1, -1};
  std::deque<bool> answers;  // OK/Yes (true) or Cancel/No; none left answers Cancel/No
  std::vector<std::string> shown;
  std::uint16_t modifiers = 0;  // the ticked modifier boxes
  std::string status;

  std::string BoxText(KeyBox box) override { return boxes[static_cast<int>(box)]; }
  void SetBoxText(KeyBox box, const std::string& text) override {
    boxes[static_cast<int>(box)] = text;
  }
  std::uint16_t ModifierBoxes() override { return modifiers; }
  void SetModifierBoxes(std::uint16_t bits) override { modifiers = bits; }
  void ShowStatus(const std::string& text) override { status = text; }
  EditorPage ActivePage() override { return page; }
  void ShowPage(EditorPage p) override { page = p; }
  int RowCount(MapList list) override { return static_cast<int>(Rows(list).size()); }
  int SelectedIndex(MapList list) override { return selected[static_cast<int>(list)]; }
  MapRow Row(MapList list, int index) override { return Rows(list).at(index); }
  void AppendRow(MapList list, const MapRow& row) override { Rows(list).push_back(row); }
  void DeleteRow(MapList list, int index) override {
    Rows(list).erase(Rows(list).begin() + index);
    selected[static_cast<int>(list)] = -1;
  }
  void ClearRows(MapList list) override {
    Rows(list).clear();
    selected[static_cast<int>(list)] = -1;
  }
  void ShowMessage(const std::string& text) override { shown.push_back("message " + text); }
  void ShowError(const std::string& text) override { shown.push_back("error " + text); }
  bool ConfirmOkCancel(const std::string& text) override { return Answer("ok? " + text); }
  bool AskYesNo(const std::string& text) override { return Answer("yes? " + text); }
  void ShowTip(const std::string& key, const std::string&) override {
    shown.push_back("tip " + key);
  }

  std::vector<MapRow>& Rows(MapList list) { return rows[static_cast<int>(list)]; }
  // "A=B" per row, the row name and its target.
  std::vector<std::string> Listed(MapList list) {
    std::vector<std::string> out;
    for (const MapRow& row : Rows(list)) out.push_back(RowName(row) + "=" + row.target);
    return out;
  }
  void Select(MapList list, const std::string& name) {
    for (std::size_t i = 0; i < Rows(list).size(); ++i)
      if (RowName(Rows(list)[i]) == name) selected[static_cast<int>(list)] = static_cast<int>(i);
  }

 private:
  bool Answer(const std::string& question) {
    shown.push_back(question);
    if (answers.empty()) return false;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

struct EditorRig {
  fake::FakeFiles files;
  SettingsFile settings{files, "C:\\zv\\Keydat.qnp"};
  FakeWindow window;
  FakeScancodeMap scancodes;
  testing_dialogs::ScriptedPrompter prompter;
  fake::FakeKeyState keys;
  int channelKeyDeletes = 0;
  MappingEditor editor{MappingEditorParts{window, settings, scancodes, prompter, keys,
                                          [this] { ++channelKeyDeletes; }}};

  EditorRig() { PrepareSettingsFile(settings); }

  // Fills the boxes as the user would, then presses "&Change".
  void Change(const std::string& source, const std::string& target) {
    window.boxes[0] = source;
    window.boxes[1] = target;
    editor.Change();
  }
  std::string SwapKey(const std::string& source) {
    return settings.ReadString("SwapKey", source, "none");
  }
  std::vector<std::string> Shown() {
    std::vector<std::string> out;
    out.swap(window.shown);
    return out;
  }
};

}  // namespace zv::testing_editor
