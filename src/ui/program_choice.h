#pragma once
// The Keyboard Map's "Program:" box: "All programs", every program with mappings of its own, and
// "Add program...", which offers the programs that have a window open now or an .exe chosen in
// a file dialog. The chosen program's mappings fill the list and are the ones the editor
// changes; "No mappings in this program" switches every mapping off in it, and "Unchanged" is
// a target only while a program is chosen. After the programs come the layers of the file
// ("Layer: Nav") and "Add layer...", which asks for a new layer's name; a chosen layer is
// edited as all programs are, without the off box and "Unchanged".
#include <optional>
#include <string>
#include <vector>

#include "platform/open_programs.h"
#include "settings/settings_file.h"
#include "ui/mapping_editor.h"

namespace zv {

inline constexpr const char* kAllPrograms = "All programs";
inline constexpr const char* kAddProgram = "Add program...";
inline constexpr const char* kAddLayer = "Add layer...";
inline constexpr const char* kLayerItem = "Layer: ";  // the layer's name follows

class ProgramChoiceView {
 public:
  virtual ~ProgramChoiceView() = default;
  // The Program box's items, and the one shown as chosen.
  virtual void SetProgramItems(const std::vector<std::string>& items, int chosen) = 0;
  // "No mappings in this program": shown (and usable) or hidden, and its check mark.
  virtual void ShowProgramOffBox(bool shown, bool checked) = 0;
  // Whether the Changed to list offers kUnchangedTarget.
  virtual void OfferUnchangedTarget(bool offered) = 0;
  // The "Add program..." dialog with the open programs: the chosen name, or the path of the
  // .exe chosen in its file dialog; "" when it was cancelled.
  virtual std::string ChooseProgramToAdd(const std::vector<std::string>& open) = 0;
  // The "Add layer" prompt: the name typed, or nothing when it was cancelled.
  virtual std::optional<std::string> AskLayerName() = 0;
  // A plain message box (why a name cannot name a layer).
  virtual void ShowMessage(const std::string& text) = 0;
};

struct ProgramChoiceParts {
  ProgramChoiceView& view;
  SettingsFile& settings;
  platform::OpenPrograms& openPrograms;
  MappingEditor& editor;
};

class ProgramChoice {
 public:
  explicit ProgramChoice(ProgramChoiceParts parts) : parts_(parts) {}

  // Fills the box from the settings file (at window creation, and after another file was
  // loaded); the chosen program stays chosen, and its list is shown again.
  void Load();
  // An item of the box was picked, by its index.
  void Picked(int index);
  // "No mappings in this program" was clicked; checked is its new state.
  void OffClicked(bool checked);

 private:
  void Choose(const std::string& program);
  void AddProgram();
  void AddLayer();
  void Show();

  ProgramChoiceParts parts_;
  std::vector<std::string> programs_;  // the programs listed after "All programs"
  std::vector<std::string> layers_;    // the layers' names listed after them
};

// Why name cannot name a layer (empty, or with a character that ends a section name or
// marks a parameter's parts); "" when it can.
std::string LayerNameRefusal(const std::string& name);

// The open programs as the dialog offers them: each once, letter case ignored, sorted.
std::vector<std::string> ProgramsToOffer(std::vector<std::string> open);

}  // namespace zv
