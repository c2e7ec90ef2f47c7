// The creation steps of TMainForm, in the order FormCreate runs them.
#include "app/main_form.h"
#include "settings/settings.h"

namespace zv {

namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

}  // namespace

void TMainForm::ApplyDisplayName() {
  char caption[256] = {};
  GetWindowTextA(window_, caption, sizeof caption);
  SetWindowTextA(window_, Replaced(caption, kApplicationTitle, kDisplayName).c_str());
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
  // The pages come with the mapping editor; the first one shows by default.
}

void TMainForm::CreateVolume() {
  actions_ = std::make_unique<ActionWiring>(window_, *dispatcher_, *this);
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
  // The "Keyboard Map" and "Registry Map" lists come with the mapping editor.
}

void TMainForm::LoadStartupSettings() {
  page_->LoadStartupSettings(*settings_);
}

void TMainForm::ShowTrayIcon() {
  tray_->SetActiveLook(false);
  tray_->ShowTrayIcon(kApplicationTitle);
}

void TMainForm::BuildTargetMenu() {
  // The target menu comes with the mapping editor.
}

void TMainForm::FillActionTable() {
  if (!actions_) return;  // the volume controller could not be made; its error was shown
  actions_->actions().FillActionTable();
  dispatcher_->SetActionRunner(&actions_->actions());
}

}  // namespace zv
