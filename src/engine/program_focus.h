#pragma once
// Follows the foreground window's program for the per-program mappings, and tells the user once
// per program when it runs as administrator while this program does not: Windows then keeps our
// injected keys out of it (and may hide its keys from the hook), so its mappings cannot work.
// The notice comes only while the engine maps keys (a suspended engine has nothing to explain),
// and is posted: a focus change found inside the keyboard hook must not wait for the taskbar.
#include <functional>
#include <set>
#include <string>
#include <utility>

#include "engine/program_mappings.h"
#include "platform/foreground.h"
#include "platform/scheduler.h"
#include "platform/tray.h"

namespace zv {

// The balloon's text for a program that runs as administrator.
std::string ElevatedProgramNotice(const std::string& exe);

class ProgramFocus : public platform::ForegroundSink {
 public:
  // engineActive: whether the engine maps keys now.
  ProgramFocus(ProgramMappings& mappings, platform::Tray& tray, platform::Scheduler& scheduler,
               bool selfElevated, std::function<bool()> engineActive)
      : mappings_(mappings),
        tray_(tray),
        scheduler_(scheduler),
        selfElevated_(selfElevated),
        engineActive_(std::move(engineActive)) {}

  void OnForegroundChanged(const platform::ForegroundProgram& program) override;

 private:
  ProgramMappings& mappings_;
  platform::Tray& tray_;
  platform::Scheduler& scheduler_;
  bool selfElevated_;
  std::function<bool()> engineActive_;
  std::set<std::string> told_;  // ProgramKey of each program the balloon named
};

}  // namespace zv
