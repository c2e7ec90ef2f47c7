#pragma once
// The switch that activates and suspends the engine, and the keyboard lock. One toggle is
// reached from the window's button, the tray entry, the two global hotkeys, the application's
// minimise and the window's close button. An empty mapping list refuses the toggle in both
// directions (only Exit suspends then). The window side (captions, tray, message boxes, the
// hook) is the host's; the switch decides what happens and in which order.
#include <cstdint>
#include <string>

#include "platform/input.h"

namespace zv {

inline constexpr const char* kChangeKeyFirst = "Please Change the key first.";
inline constexpr const char* kHintActivated = "Zorvane: Activated";
inline constexpr const char* kHintSuspended = "Zorvane: Suspend";
inline constexpr const char* kTipTitle = "Tips";
inline constexpr const char* kTipActive = "Zorvane Active!";
inline constexpr const char* kTipHookRefused =
    "Windows refused the keyboard hook: the mappings are suspended. Zorvane tries again every few "
    "seconds.";
inline constexpr const char* kCaptionActivate = "&Activate";
inline constexpr const char* kCaptionSuspend = "&Suspend";
inline constexpr const char* kCaptionLock = "Lock Keyboard";
inline constexpr const char* kCaptionUnlock = "UnLock Keyboard";

enum class EngineState { Suspended, Active };

class EngineSwitchHost {
 public:
  virtual ~EngineSwitchHost() = default;
  virtual bool MappingListEmpty() = 0;  // the "Keyboard Map" list has no rows
  virtual bool HotkeysInUse() = 0;      // "Use Hotkey" is checked
  virtual bool MainFormVisible() = 0;
  virtual void ShowInformation(const std::string& text) = 0;
  virtual void HideMainForm() = 0;
  virtual void SetTrayHint(const std::string& text) = 0;
  virtual void SetToggleCaption(const std::string& caption) = 0;  // the button and the tray entry
  virtual void SetLockCaption(const std::string& caption) = 0;
  // False when the system refused the hook (the watchdog asks for it again).
  virtual bool InstallKeyHook() = 0;
  virtual void RemoveKeyHook() = 0;
  virtual void LockKeyboard() = 0;
  virtual void UnlockKeyboard() = 0;
  // The "Tips" balloon with text, removed again after two seconds.
  virtual void ShowTip(const std::string& text) = 0;
};

class EngineSwitch {
 public:
  EngineSwitch(EngineSwitchHost& host, platform::Input& input) : host_(host), input_(input) {}

  EngineState state() const { return state_; }
  bool active() const { return state_ == EngineState::Active; }
  bool KeyboardLocked() const { return locked_; }

  // BitBtn3Click: the button and the tray entry.
  void Toggle();
  void ActivateEngine();
  void SuspendEngine();
  // WM_HOTKEY: the combination in lParam (modifiers low, key high) against the activation
  // field's word. The activation combination only activates; any other only suspends.
  void WMHotKey(std::uint32_t lParam, std::uint16_t activationWord);
  // The application's minimise (the minimise button and the hidden start).
  void AppMinimize();
  // A request to close the main window; returns whether it may close. A visible window is only
  // hidden (activating on the way) unless Exit asked.
  bool FormCloseQuery(bool canClose);
  // Exit: lets the window close, then FormClose suspends.
  void SetExiting() { exiting_ = true; }
  bool exiting() const { return exiting_; }
  // The watchdog got the hook the system had refused: the tray tells the state again.
  void HookInstalled();
  // actControlKeyboardExecute: the tray's "Lock Keyboard" / "UnLock Keyboard".
  void ControlKeyboard();

 private:
  void ReleaseModifiers();
  void ActivateWithTip();

  EngineSwitchHost& host_;
  platform::Input& input_;
  EngineState state_ = EngineState::Suspended;
  bool exiting_ = false;
  bool locked_ = false;
  bool hookRefused_ = false;
};

}  // namespace zv
