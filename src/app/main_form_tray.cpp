// TMainForm in the tray: the engine switch's window side, the tray icon's clicks, the settings
// file dialogs, and the end of the program.
#include <windows.h>
// after windows.h, which they need
#include <commctrl.h>
#include <commdlg.h>

#include "app/main_form.h"
#include "app/user_guide.h"

namespace zv {

void TMainForm::ShowMainWindow() {
  ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOWNORMAL);
  SetForegroundWindow(window_);
}

void TMainForm::OnTrayClick() {
  ShowMainWindow();
}

void TMainForm::OnTrayDoubleClick() {
  ShowMainWindow();
}

void TMainForm::OnTrayMenu() {
  trayMenu_.Track(window_);
}

void TMainForm::N2Click() {
  // Exit: each part of the end runs even when the one before it failed.
  switch_.SetExiting();
  Guarded([&] { page_->SaveStartupSettings(*settings_); });
  SendMessageA(window_, WM_CLOSE, 0, 0);
}

void TMainForm::FormClose() {
  if (closed_) return;
  closed_ = true;
  Guarded([&] {
    hotKeys_.Withdraw();
    switch_.SuspendEngine();
  });
  if (hook_) hook_->UnlockKeyboard();  // nothing of the program holds the keyboard any more
}

void TMainForm::EndSession() {
  // The session ends: what Exit does, without waiting for a message loop that will not run.
  switch_.SetExiting();
  Guarded([&] { page_->SaveStartupSettings(*settings_); });
  FormClose();
  if (tray_) tray_->RemoveTrayIcon();
  // The process may end without another message: lent clipboard content and a settings write
  // waiting for a held file get their last try now.
  if (actions_) actions_->actions().GiveClipboardBack();
  if (settings_) settings_->SetScheduler(nullptr);
}

void TMainForm::Timer1Timer() {
  KillTimer(window_, kTipTimer);
  if (tray_) tray_->HideBalloon();
}

bool TMainForm::MappingListEmpty() {
  // Every program's mappings count, whichever program's list the window shows.
  return !mainWindow_->editor().HasMappings();
}

bool TMainForm::HotkeysInUse() {
  return fields_.UseHotkey();
}

bool TMainForm::MainFormVisible() {
  return IsWindowVisible(window_) != FALSE;
}

void TMainForm::ShowInformation(const std::string& text) {
  MessageBoxA(window_, text.c_str(), kApplicationTitle, MB_ICONINFORMATION);
}

void TMainForm::HideMainForm() {
  ShowWindow(window_, SW_HIDE);
}

void TMainForm::SetTrayHint(const std::string& text) {
  tray_->SetTrayHint(text);
  tray_->SetActiveLook(text == kHintActivated);
}

void TMainForm::SetToggleCaption(const std::string& caption) {
  SetWindowTextA(mainWindow_->controls().BitBtn3, caption.c_str());
  trayMenu_.SetToggleCaption(caption);
}

void TMainForm::SetLockCaption(const std::string& caption) {
  trayMenu_.SetLockCaption(caption);
}

bool TMainForm::InstallKeyHook() {
  hook_->InstallKeyHook();
  return !hook_->refused();
}

void TMainForm::RemoveKeyHook() {
  hook_->RemoveKeyHook();
}

void TMainForm::LockKeyboard() {
  hook_->LockKeyboard();
}

void TMainForm::UnlockKeyboard() {
  hook_->UnlockKeyboard();
}

void TMainForm::ShowTip(const std::string& text) {
  SetTimer(window_, kTipTimer, 2000, nullptr);
  tray_->ShowBalloon(kTipTitle, text, 10);
}

namespace {

std::string FileDialog(HWND owner, bool save) {
  char path[MAX_PATH] = {};
  OPENFILENAMEA ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = "Settings File\0*.qnp\0";
  // A name typed without extension is the .qnp file of that name, so saving over an existing
  // one asks first, as choosing it in the list does.
  ofn.lpstrDefExt = "qnp";
  ofn.lpstrFile = path;
  ofn.nMaxFile = sizeof path;
  ofn.Flags = OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  return chosen ? path : "";
}

}  // namespace

std::string TMainForm::ChooseFileToLoad() {
  return FileDialog(window_, false);
}

std::string TMainForm::ChooseFileToSave() {
  return FileDialog(window_, true);
}

void TMainForm::ShowMessage(const std::string& text) {
  MessageBoxA(window_, text.c_str(), kApplicationTitle, MB_OK);
}

void TMainForm::RefreshKeyboardMap() {
  mainWindow_->programChoice().Load();  // the loaded file's programs, and the list again
}

void TMainForm::BitBtn3Click() {
  switch_.Toggle();
}

void TMainForm::CheckBox1Click() {
  page_->AutoRunClick();
}

void TMainForm::CheckBox2Click() {
  page_->UseHotkeyClick(*settings_);
}

void TMainForm::HotKey1Change() {
  page_->HotKeyChange(1, *settings_);
}

void TMainForm::HotKey2Change() {
  page_->HotKeyChange(2, *settings_);
}

void TMainForm::Label14Click() {
  shell_.Open(UserGuidePath(ExecutablePath()));
}

void TMainForm::EmailLabelClick() {
  char address[256] = {};
  GetWindowTextA(mainWindow_->controls().EmailLabel, address, sizeof address);
  shell_.Open(std::string("mailto:") + address);
}

}  // namespace zv
