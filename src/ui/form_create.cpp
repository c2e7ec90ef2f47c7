#include "ui/form_create.h"

#include <exception>

namespace zv {

void FormCreate(FormCreateSteps& steps, const std::function<void(const std::string&)>& showError) {
  using Step = void (FormCreateSteps::*)();
  static constexpr Step kOrder[] = {
      &FormCreateSteps::ApplyDisplayName,       &FormCreateSteps::HideTaskbarButton,
      &FormCreateSteps::MakeInvisible,          &FormCreateSteps::SetSettingsPath,
      &FormCreateSteps::InstallMinimizeHandler, &FormCreateSteps::ReadAutoRunBox,
      &FormCreateSteps::ShowFirstPage,          &FormCreateSteps::CreateVolume,
      &FormCreateSteps::PrepareSettingsFile,    &FormCreateSteps::PublishWindowHandle,
      &FormCreateSteps::LoadRecentFiles,        &FormCreateSteps::LoadMappingLists,
      &FormCreateSteps::LoadStartupSettings,    &FormCreateSteps::ShowTrayIcon,
      &FormCreateSteps::BuildTargetMenu,        &FormCreateSteps::FillActionTable,
  };
  for (Step step : kOrder) {
    try {
      (steps.*step)();
    } catch (const std::exception& e) {
      showError(e.what());
    }
  }
}

}  // namespace zv
