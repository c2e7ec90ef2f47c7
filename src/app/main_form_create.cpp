// The creation steps of TMainForm, in the order FormCreate runs them.
#include "app/main_form.h"
#include "settings/settings.h"
#include "ui/win32/flat_menu.h"

namespace zv {

void TMainForm::ApplyDisplayName() {
  mainWindow_->ApplyDisplayName(kApplicationTitle, kDisplayName);
  // The two links of the "About" page: the user guide beside the program, and the address
  // the program was built with.
  SetWindowTextA(mainWindow_->controls().Label14, "User guide");
  SetWindowTextA(mainWindow_->controls().EmailLabel, ZV_SUPPORT_EMAIL);
}

void TMainForm::HideTaskbarButton() {
  // A window owned by another gets no taskbar button: the tray's hidden window owns this one.
  SetWindowLongPtrA(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(tray_->window()));
}

void TMainForm::MakeInvisible() {
  ShowWindow(window_, SW_HIDE);
}

void TMainForm::SetSettingsPath() {
  settingsPath_ = SettingsPathFor(ExecutablePath());
}

void TMainForm::InstallMinimizeHandler() {
  minimizeHandler_ = true;
}

void TMainForm::ReadAutoRunBox() {
  page_->ReadAutoRunBox();
}

void TMainForm::ShowFirstPage() {
  // The window is made with its first page, "Keyboard Map", showing.
}

void TMainForm::CreateVolume() {
  actions_ = std::make_unique<ActionWiring>(
      window_, *dispatcher_, *this,
      [this](const std::string& text) { tray_->ShowBalloon(kApplicationTitle, text, 10); });
}

void TMainForm::PrepareSettingsFile() {
  zv::PrepareSettingsFile(*settings_);
}

void TMainForm::PublishWindowHandle() {
  channel_.PublishWindowHandle(static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(window_)));
}

void TMainForm::LoadRecentFiles() {
  recent_.Max = 4;
  recent_.RegPath = kRecentFilesPath;
  recent_.LoadRecentFiles();
  recent_.OnItemClick = [this](const std::string& path) { commands_->RecentItemClick(path); };
}

void TMainForm::LoadMappingLists() {
  mainWindow_->editor().LoadLists();
  mainWindow_->programChoice().Load();
}

void TMainForm::LoadStartupSettings() {
  page_->LoadStartupSettings(*settings_);
}

void TMainForm::ShowTrayIcon() {
  tray_->SetActiveLook(false);
  tray_->ShowTrayIcon(kApplicationTitle);
}

void TMainForm::BuildTargetMenu() {
  // The target menu PopupMenu3 is built with the window's popup menus; it is painted flat
  // like the tray menu.
  ui::MakeMenuFlat(mainWindow_->menus().PopupMenu3());
  ui::MakeMenuFlat(mainWindow_->menus().PopupMenu2());
}

void TMainForm::FillActionTable() {
  if (!actions_) return;  // the volume controller could not be made; its error was shown
  actions_->actions().FillActionTable();
  dispatcher_->SetActionRunner(&actions_->actions());
  dispatcher_->SetScheduler(&actions_->scheduler());
  channel_.SetScheduler(&actions_->scheduler());  // "TempCode" is written after the hook
}

// Not a creation step of its own: it runs after them all, whichever failed, so other programs'
// edits of the settings file reach the engine whenever there is a scheduler to bring them.
void TMainForm::StartSettingsWatch() {
  if (!actions_) return;  // the volume controller could not be made; its error was shown
  // A write to a file another program holds waits for it by timer, not on the hook's thread.
  settings_->SetScheduler(&actions_->scheduler(),
                          [this](const std::string& text) { PostError(text); });
  try {
    settingsWatch_ =
        std::make_unique<SettingsWatch>(*settings_, folderWatcher_, actions_->scheduler(),
                                        [this](const std::string& text) { PostError(text); });
    settingsWatch_->Start();
  } catch (const std::exception& e) {
    ShowError(e.what());
  }
}

// After the creation steps too: the engine follows the focused program for the mappings of one
// program; the elevated program's notice is posted through the actions' scheduler.
void TMainForm::StartForegroundWatch() {
  if (!actions_) return;  // the volume controller could not be made; its error was shown
  ProgramMappings& programs = dispatcher_->programs();
  focus_ = std::make_unique<ProgramFocus>(programs, *tray_, actions_->scheduler(),
                                          foreground_.SelfElevated(),
                                          [this] { return hook_ && hook_->HookedForMapping(); });
  programs.SetForeground(&foreground_);
  foreground_.Watch(*focus_);
}

}  // namespace zv
