#pragma once
// TMainForm, the program's main window: the wiring of the mapping editor's window, the engine
// (the registry channel, the keyboard hook and its watchdog, the dispatcher, the actions), the
// engine switch, the tray icon with its menu, the global hotkeys, the recent files and the
// settings file commands. It lives
// hidden in the tray; only "Exit" (or the uninstaller's WM_EXITREQUEST, or the end of the
// session) ends the program.
#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "app/action_wiring.h"
#include "app/elevated_run.h"
#include "app/settings_page_controls.h"
#include "app/tray_menu.h"
#include "engine/dispatcher.h"
#include "engine/engine_switch.h"
#include "engine/error_reporter.h"
#include "engine/hook_watchdog.h"
#include "engine/hotkeys.h"
#include "engine/key_hook.h"
#include "engine/program_focus.h"
#include "engine/registry_channel.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_folder_watcher.h"
#include "platform/win32/win32_foreground.h"
#include "platform/win32/win32_hotkeys.h"
#include "platform/win32/win32_input.h"
#include "platform/win32/win32_open_programs.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_text_codec.h"
#include "platform/win32/win32_tray.h"
#include "platform/win32/win32_window_messages.h"
#include "settings/recent_files.h"
#include "settings/settings_file.h"
#include "settings/settings_file_commands.h"
#include "settings/settings_watch.h"
#include "ui/form_create.h"
#include "ui/registry_scancode_map.h"
#include "ui/settings_page.h"
#include "ui/win32/main_window.h"
#include "zorvane_version.h"

namespace zv {

inline constexpr const char* kApplicationTitle = "Zorvane";
inline constexpr const char* kDesignerCaption = "Zorvane " ZV_VERSION_SHORT;
inline constexpr const char* kDisplayName = "Velmora";

class TMainForm : public ErrorReporter,
                  private win32::MainWindowEvents,
                  private EngineSwitchHost,
                  private platform::TraySink,
                  private FormCreateSteps,
                  private SettingsFileView {
 public:
  explicit TMainForm(HINSTANCE instance);
  ~TMainForm() override;
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  // Creates the window; FormCreate runs inside. False when the window could not be made.
  bool Create();
  HWND handle() const { return window_; }
  // The controls and the editor; null until the window has been created.
  win32::MainWindow* mainWindow() { return mainWindow_.get(); }
  // For the message loop: Tab, the "&" letters and the key boxes.
  bool IsDialogMessage(MSG* msg) { return mainWindow_ && mainWindow_->IsMainWindowMessage(msg); }
  // Shows the window centred on the screen (the start without -Hide).
  void ShowCentered();
  // The start with -Hide: the application is minimised to the tray, which activates the
  // engine when there are mappings.
  void HiddenStart();
  // Shown in the standard error box once the hook (or a handler inside it) has returned.
  void PostError(const std::string& text) noexcept override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Places the window in the middle of the screen without showing it.
  void Centre();
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(UINT id);
  void MakeParts();
  void CreateMainWindow();
  void ShowError(const std::string& text);
  void ShowNextError();
  // Runs a handler at a Win32 boundary: its error is shown, never let out.
  void Guarded(const std::function<void()>& handler);

  // The tray, the switch and the end (main_form_tray.cpp).
  void ShowMainWindow();
  void N2Click();  // "Exit"
  void FormClose();
  void EndSession();
  void Timer1Timer();

  // MainWindowEvents: the engine switch's button, the "Settings" and "About" pages.
  void BitBtn3Click() override;
  void CheckBox1Click() override;
  void CheckBox2Click() override;
  void HotKey1Change() override;
  void HotKey2Change() override;
  void Label14Click() override;
  void EmailLabelClick() override;

  // EngineSwitchHost.
  bool MappingListEmpty() override;
  bool HotkeysInUse() override;
  bool MainFormVisible() override;
  void ShowInformation(const std::string& text) override;
  void HideMainForm() override;
  void SetTrayHint(const std::string& text) override;
  void SetToggleCaption(const std::string& caption) override;
  void SetLockCaption(const std::string& caption) override;
  bool InstallKeyHook() override;
  void RemoveKeyHook() override;
  void LockKeyboard() override;
  void UnlockKeyboard() override;
  void ShowTip(const std::string& text) override;
  // TraySink.
  void OnTrayClick() override;
  void OnTrayDoubleClick() override;
  void OnTrayMenu() override;
  // SettingsFileView.
  std::string ChooseFileToLoad() override;
  std::string ChooseFileToSave() override;
  void ShowMessage(const std::string& text) override;
  void RefreshKeyboardMap() override;

  // FormCreateSteps (main_form_create.cpp).
  void ApplyDisplayName() override;
  void HideTaskbarButton() override;
  void MakeInvisible() override;
  void SetSettingsPath() override;
  void InstallMinimizeHandler() override;
  void ReadAutoRunBox() override;
  void ShowFirstPage() override;
  void CreateVolume() override;
  void PrepareSettingsFile() override;
  void PublishWindowHandle() override;
  void LoadRecentFiles() override;
  void LoadMappingLists() override;
  void LoadStartupSettings() override;
  void ShowTrayIcon() override;
  void BuildTargetMenu() override;
  void FillActionTable() override;
  void StartSettingsWatch();
  void StartForegroundWatch();

  // The hook's start and the session's changes (main_form_session.cpp).
  void StartSessionWatch();
  void RegisterSessionNotification();
  void StopSessionWatch();
  // A switch of the input desktop, and while another desktop has the input, the timer's look.
  void CheckInputDesktop();
  // Handles the loop's start and the session's messages the watchdog hears of.
  bool SessionMessage(UINT message, WPARAM wParam);

  static constexpr UINT_PTR kTipTimer = 2;  // Timer1: the balloon goes after two seconds

  HINSTANCE instance_;
  HWND window_ = nullptr;
  win32::Win32Files files_;
  win32::Win32TextCodec ansi_;
  win32::Win32Registry registry_;
  win32::Win32Input input_;
  win32::Win32WindowMessages windows_;
  win32::Win32HotKeys hotKeySystem_;
  win32::Win32Shell shell_;
  win32::Win32OpenPrograms openPrograms_;
  std::string settingsPath_;
  std::unique_ptr<SettingsFile> settings_;
  RegistryChannel channel_{registry_};
  std::unique_ptr<Dispatcher> dispatcher_;
  std::unique_ptr<KeyHook> hook_;
  std::unique_ptr<HookWatchdog> watchdog_;
  RegistryScancodeMap scancodes_{
      registry_, [this](const std::string& hex) { return WriteScancodeMapElevated(window_, hex); }};
  std::unique_ptr<win32::MainWindow> mainWindow_;
  std::unique_ptr<ActionWiring> actions_;  // the volume controller and the action table
  EngineSwitch switch_{*this, input_};
  SettingsPageControls fields_;
  HotKeySettings hotKeys_{hotKeySystem_, fields_};
  std::unique_ptr<SettingsPage> page_;
  std::unique_ptr<win32::Win32Tray> tray_;
  // The foreground window's program, told to the engine as the focus moves; the watch ends
  // before what it tells.
  std::unique_ptr<ProgramFocus> focus_;
  win32::Win32Foreground foreground_;
  TrayMenu trayMenu_;
  TRecentFiles recent_{registry_, trayMenu_};
  std::unique_ptr<SettingsFileCommands> commands_;
  HICON icon_ = nullptr;
  HICON suspendedIcon_ = nullptr;
  bool minimizeHandler_ = false;  // AppMinimize runs on minimise from creation step 5 on
  bool closed_ = false;           // FormClose ran: the hotkeys and the hook are gone
  bool sessionNotified_ = false;  // the session's changes are told to the window
  HWINEVENTHOOK desktopHook_ = nullptr;
  bool onOtherDesktop_ = false;  // the input went to another desktop (the secure one)
  win32::Win32FolderWatcher folderWatcher_;
  // Other programs' edits of the settings file reach the engine's snapshot through the
  // scheduler's posted work; gone before the scheduler and the file.
  std::unique_ptr<SettingsWatch> settingsWatch_;
  std::deque<std::string> pendingErrors_;  // posted, not yet dismissed; each text once
  bool showingError_ = false;
};

// The full path of this executable (the settings file lives in its folder).
std::string ExecutablePath();

}  // namespace zv
