#pragma once
// The creation of the main window, step by step in its fixed order. A step that fails is shown
// and the steps after it still run: a hidden program without its tray icon, hotkeys and "Exit"
// could only be ended from the task manager.
#include <functional>
#include <string>

namespace zv {

class FormCreateSteps {
 public:
  virtual ~FormCreateSteps() = default;
  virtual void ApplyDisplayName() = 0;
  virtual void HideTaskbarButton() = 0;
  virtual void MakeInvisible() = 0;  // also: not exiting, CD door closed
  virtual void SetSettingsPath() = 0;
  virtual void InstallMinimizeHandler() = 0;
  virtual void ReadAutoRunBox() = 0;
  virtual void ShowFirstPage() = 0;
  virtual void CreateVolume() = 0;
  virtual void PrepareSettingsFile() = 0;  // "DisableKey" "Index", then the signature
  virtual void PublishWindowHandle() = 0;
  virtual void LoadRecentFiles() = 0;
  virtual void LoadMappingLists() = 0;  // "Keyboard Map", then "Registry Map"
  virtual void LoadStartupSettings() = 0;
  virtual void ShowTrayIcon() = 0;
  virtual void BuildTargetMenu() = 0;
  virtual void FillActionTable() = 0;
};

// Runs every step in order; each error text goes to showError (the standard error box).
void FormCreate(FormCreateSteps& steps, const std::function<void(const std::string&)>& showError);

}  // namespace zv
