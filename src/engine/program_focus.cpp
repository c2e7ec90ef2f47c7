#include "engine/program_focus.h"

#include "settings/mapping_store.h"

namespace zv {

std::string ElevatedProgramNotice(const std::string& exe) {
  return "Zorvane cannot change keys in " + exe +
         ", which runs as administrator. Plain key swaps on the \"Registry Map\" page work "
         "there.";
}

void ProgramFocus::OnForegroundChanged(const platform::ForegroundProgram& program) {
  mappings_.SetProgram(program.exe);
  if (!program.elevated || selfElevated_ || program.exe.empty() || !engineActive_()) return;
  if (!told_.insert(ProgramKey(program.exe)).second) return;
  scheduler_.Post([this, text = ElevatedProgramNotice(program.exe)] {
    tray_.ShowBalloon("Zorvane", text, 10);
  });
}

}  // namespace zv
