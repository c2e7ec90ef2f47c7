#include "ui/program_choice.h"

#include <algorithm>

#include "settings/ini_text.h"
#include "settings/mapping_store.h"

namespace zv {
namespace {

// The listed program with the same name as program, letter case ignored; end when none.
std::vector<std::string>::const_iterator Listed(const std::vector<std::string>& programs,
                                                const std::string& program) {
  return std::find_if(programs.begin(), programs.end(),
                      [&](const std::string& p) { return ProgramKey(p) == ProgramKey(program); });
}

}  // namespace

std::string LayerNameRefusal(const std::string& name) {
  if (ini::Trim(name).empty()) return "Please type a name for the layer.";
  if (name.find_first_of("]|") != std::string::npos)
    return "A layer's name cannot hold \"]\" or \"|\".";
  return "";
}

std::vector<std::string> ProgramsToOffer(std::vector<std::string> open) {
  std::stable_sort(open.begin(), open.end(), [](const std::string& a, const std::string& b) {
    return ProgramKey(a) < ProgramKey(b);
  });
  open.erase(std::unique(open.begin(), open.end(),
                         [](const std::string& a, const std::string& b) {
                           return ProgramKey(a) == ProgramKey(b);
                         }),
             open.end());
  return open;
}

void ProgramChoice::Load() {
  const std::string chosen = parts_.editor.program();
  programs_ = ProgramsWithMappings(parts_.settings.Current());
  layers_ = Layers(parts_.settings.Current());
  // A program or layer added in this session keeps its place while it has no mappings yet.
  const bool layer = IsLayerScope(chosen);
  std::vector<std::string>& list = layer ? layers_ : programs_;
  const std::string name = layer ? chosen.substr(1) : chosen;
  if (!chosen.empty() && Listed(list, name) == list.end()) list.push_back(name);
  parts_.editor.RefreshKeyboardMap();
  Show();
}

void ProgramChoice::Picked(int index) {
  const int count = static_cast<int>(programs_.size());
  const int layers = static_cast<int>(layers_.size());
  if (index == 0) {
    Choose("");
  } else if (index >= 1 && index <= count) {
    Choose(programs_[index - 1]);
  } else if (index > count && index <= count + layers) {
    Choose(LayerScope(layers_[index - count - 1]));
  } else if (index == count + layers + 1) {
    AddProgram();
  } else if (index == count + layers + 2) {
    AddLayer();
  }
}

void ProgramChoice::AddLayer() {
  std::optional<std::string> name;
  // A refused name is said why, and the prompt comes again.
  while ((name = parts_.view.AskLayerName()) && !LayerNameRefusal(*name).empty())
    parts_.view.ShowMessage(LayerNameRefusal(*name));
  if (!name) {
    Show();
    return;
  }
  const std::string layer = ini::Trim(*name);
  const auto listed = Listed(layers_, layer);
  if (listed != layers_.end()) {
    Choose(LayerScope(*listed));
    return;
  }
  layers_.push_back(layer);
  Choose(LayerScope(layer));
}

void ProgramChoice::AddProgram() {
  const std::string picked =
      parts_.view.ChooseProgramToAdd(ProgramsToOffer(parts_.openPrograms.OpenProgramNames()));
  const std::string program = ProgramNameOfPath(picked);
  if (program.empty()) {
    Show();  // cancelled: the box shows the program chosen before
    return;
  }
  const auto listed = Listed(programs_, program);
  if (listed != programs_.end()) {
    Choose(*listed);
    return;
  }
  programs_.push_back(program);
  Choose(program);
}

void ProgramChoice::Choose(const std::string& program) {
  parts_.editor.SetProgram(program);
  parts_.editor.RefreshKeyboardMap();
  Show();
}

void ProgramChoice::OffClicked(bool checked) {
  const std::string& program = parts_.editor.program();
  if (program.empty() || IsLayerScope(program)) return;
  SetProgramOff(parts_.settings, program, checked);
  Show();
}

void ProgramChoice::Show() {
  const std::string& program = parts_.editor.program();
  const bool layer = IsLayerScope(program);
  std::vector<std::string> items{kAllPrograms};
  items.insert(items.end(), programs_.begin(), programs_.end());
  for (const std::string& name : layers_) items.push_back(kLayerItem + name);
  items.push_back(kAddProgram);
  items.push_back(kAddLayer);
  const auto at = [](const std::vector<std::string>& list, const std::string& name) {
    return static_cast<int>(Listed(list, name) - list.begin());
  };
  int chosen = 0;
  if (layer) {
    chosen = static_cast<int>(programs_.size()) + at(layers_, program.substr(1)) + 1;
  } else if (!program.empty()) {
    chosen = at(programs_, program) + 1;
  }
  parts_.view.SetProgramItems(items, chosen);
  const bool oneProgram = !program.empty() && !layer;
  parts_.view.ShowProgramOffBox(oneProgram,
                                oneProgram && ProgramOff(parts_.settings.Current(), program));
  parts_.view.OfferUnchangedTarget(oneProgram);
}

}  // namespace zv
