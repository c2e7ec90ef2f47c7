#pragma once
// TMainForm, the program's main window: the wiring of the mapping editor's window, the
// registry channel, the dispatcher and the keyboard hook. It receives the hook's messages, shows
// the errors posted from inside the hook, and runs the hook's watchdog.
#include <windows.h>

#include <deque>
#include <memory>
#include <string>

#include "app/action_wiring.h"
#include "app/elevated_scancode_write.h"
#include "engine/dispatcher.h"
#include "engine/error_reporter.h"
#include "engine/hook_watchdog.h"
#include "engine/key_hook.h"
#include "engine/registry_channel.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_input.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_window_messages.h"
#include "settings/settings_file.h"
#include "ui/registry_scancode_map.h"
#include "ui/win32/main_window.h"

namespace zv {

inline constexpr const char* kApplicationTitle = "Zorvane";
inline constexpr const char* kDesignerCaption = "Zorvane 3.96";
inline constexpr const char* kDisplayName = "Velmora";

class TMainForm : public ErrorReporter {
 public:
  explicit TMainForm(HINSTANCE instance);
  ~TMainForm() override;
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  // Creates the window; FormCreate runs inside. False when the window could not be made.
  bool Create();
  HWND handle() const { return window_; }
  // The controls, the editor and the hook point of the engine switch and the start-up pages;
  // null until the window has been created.
  win32::MainWindow* mainWindow() { return mainWindow_.get(); }
  // For the message loop: Tab, the "&" letters and the key boxes.
  bool IsDialogMessage(MSG* msg) { return mainWindow_ && mainWindow_->IsMainWindowMessage(msg); }
  // Shows the window centred on the screen (the start without -Hide).
  void ShowCentered();
  // The start with -Hide: activates the engine when the settings file holds a mapping.
  void HiddenStart();
  // Shown in the standard error box once the hook (or a handler inside it) has returned.
  void PostError(const std::string& text) noexcept override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void FormCreate();
  void ApplyDisplayName();
  void CreateMainWindow();
  void ShowError(const std::string& text);
  void ShowNextError();

  HINSTANCE instance_;
  HWND window_ = nullptr;
  win32::Win32Files files_;
  win32::Win32Registry registry_;
  win32::Win32Input input_;
  win32::Win32WindowMessages windows_;
  std::unique_ptr<SettingsFile> settings_;
  RegistryChannel channel_{registry_};
  std::unique_ptr<Dispatcher> dispatcher_;
  std::unique_ptr<KeyHook> hook_;
  std::unique_ptr<HookWatchdog> watchdog_;
  RegistryScancodeMap scancodes_{
      registry_, [this](const std::string& hex) { return WriteScancodeMapElevated(window_, hex); }};
  std::unique_ptr<win32::MainWindow> mainWindow_;
  std::unique_ptr<ActionWiring> actions_;  // the volume controller and the action table
  std::deque<std::string> pendingErrors_;  // posted, not yet dismissed; each text once
  bool showingError_ = false;
};

// The full path of this executable (the settings file lives in its folder).
std::string ExecutablePath();

}  // namespace zv
