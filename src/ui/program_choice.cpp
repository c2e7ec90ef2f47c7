#include "ui/program_choice.h"

#include <algorithm>

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
  // A program added in this session keeps its place while it has no mappings yet.
  if (!chosen.empty() && Listed(programs_, chosen) == programs_.end()) programs_.push_back(chosen);
  parts_.editor.RefreshKeyboardMap();
  Show();
}

void ProgramChoice::Picked(int index) {
  const int count = static_cast<int>(programs_.size());
  if (index == 0) {
    Choose("");
  } else if (index >= 1 && index <= count) {
    Choose(programs_[index - 1]);
  } else if (index == count + 1) {
    AddProgram();
  }
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
  if (program.empty()) return;
  SetProgramOff(parts_.settings, program, checked);
  Show();
}

void ProgramChoice::Show() {
  const std::string& program = parts_.editor.program();
  std::vector<std::string> items{kAllPrograms};
  items.insert(items.end(), programs_.begin(), programs_.end());
  items.push_back(kAddProgram);
  const auto listed = Listed(programs_, program);
  const int chosen = program.empty() ? 0 : static_cast<int>(listed - programs_.begin()) + 1;
  parts_.view.SetProgramItems(items, chosen);
  parts_.view.ShowProgramOffBox(!program.empty(),
                                !program.empty() && ProgramOff(parts_.settings.Current(), program));
  parts_.view.OfferUnchangedTarget(!program.empty());
}

}  // namespace zv
