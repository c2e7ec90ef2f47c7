// The main window's creation runs every step in its order, and a failing step is shown while
// the steps after it still run, so the tray icon, the hotkeys and "Exit" always exist.
#include "ui/form_create.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>

namespace zv {
namespace {

class StepLog : public FormCreateSteps {
 public:
  void ApplyDisplayName() override { Step("name"); }
  void HideTaskbarButton() override { Step("taskbar"); }
  void MakeInvisible() override { Step("invisible"); }
  void SetSettingsPath() override { Step("path"); }
  void InstallMinimizeHandler() override { Step("minimize"); }
  void ReadAutoRunBox() override { Step("autorun"); }
  void ShowFirstPage() override { Step("page"); }
  void CreateVolume() override { Step("volume"); }
  void PrepareSettingsFile() override { Step("prepare"); }
  void PublishWindowHandle() override { Step("publish"); }
  void LoadRecentFiles() override { Step("recent"); }
  void LoadMappingLists() override { Step("lists"); }
  void LoadStartupSettings() override { Step("startup"); }
  void ShowTrayIcon() override { Step("tray"); }
  void BuildTargetMenu() override { Step("targets"); }
  void FillActionTable() override { Step("actions"); }

  void Step(const std::string& name) {
    log += name + " ";
    if (failing.count(name)) throw std::runtime_error("Unable to write to " + name);
  }
  std::string log;
  std::set<std::string> failing;
};

const std::string kAll =
    "name taskbar invisible path minimize autorun page volume prepare publish recent lists "
    "startup tray targets actions ";

TEST(FormCreate, EveryStepRunsInOrderAndFailuresAreShownOnTheWay) {
  for (std::set<std::string> failing : std::initializer_list<std::set<std::string>>{
           {}, {"prepare"}, {"name", "publish", "startup"}, {"actions"}}) {
    StepLog steps;
    steps.failing = failing;
    std::string shown;
    FormCreate(steps, [&](const std::string& text) { shown += text + ";"; });
    EXPECT_EQ(steps.log, kAll);
    std::size_t errors = 0;
    for (std::size_t at = shown.find(';'); at != std::string::npos; at = shown.find(';', at + 1)) {
      ++errors;
    }
    EXPECT_EQ(errors, failing.size());
    for (const std::string& step : failing) {
      EXPECT_NE(shown.find("Unable to write to " + step + ";"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace zv
