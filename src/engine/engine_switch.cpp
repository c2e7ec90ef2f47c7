#include "engine/engine_switch.h"

#include "engine/hook_messages.h"
#include "engine/hotkeys.h"

namespace zv {

void EngineSwitch::Toggle() {
  // The empty list is checked first, in both directions.
  if (host_.MappingListEmpty()) {
    host_.ShowInformation(kChangeKeyFirst);
    return;
  }
  if (state_ == EngineState::Suspended) {
    host_.HideMainForm();
    ActivateEngine();
    host_.SetToggleCaption(kCaptionSuspend);
  } else {
    host_.SetToggleCaption(kCaptionActivate);
    SuspendEngine();
  }
}

void EngineSwitch::ActivateEngine() {
  host_.SetTrayHint(kHintActivated);
  ReleaseModifiers();
  hookRefused_ = !host_.InstallKeyHook();
  state_ = EngineState::Active;
  if (!hookRefused_) return;
  // Shown as it is: no key is mapped until the watchdog gets the hook.
  host_.SetTrayHint(kHintSuspended);
  host_.ShowTip(kTipHookRefused);
}

void EngineSwitch::HookInstalled() {
  if (!hookRefused_) return;
  hookRefused_ = false;
  if (state_ == EngineState::Active) host_.SetTrayHint(kHintActivated);
}

void EngineSwitch::SuspendEngine() {
  host_.SetTrayHint(kHintSuspended);
  ReleaseModifiers();
  host_.RemoveKeyHook();
  state_ = EngineState::Suspended;
}

void EngineSwitch::ReleaseModifiers() {
  // A hotkey's modifiers are still down when its WM_HOTKEY arrives: let them go, so the
  // freshly hooked keyboard does not start with Alt held.
  if (!host_.HotkeysInUse()) return;
  platform::KeyInput ups[3];
  std::uint8_t modifiers[3] = {0x10, 0x11, 0x12};
  for (int i = 0; i < 3; ++i) {
    ups[i].vk = modifiers[i];
    ups[i].scan = static_cast<std::uint16_t>(input_.MapKey(modifiers[i], 0) & 0xFF);
    ups[i].flags = platform::kKeyEventfKeyUp;
    ups[i].extraInfo = kInjectionMarker;  // the hook knows its own releases
  }
  input_.SendKeys(ups, 3);
}

void EngineSwitch::WMHotKey(std::uint32_t lParam, std::uint16_t activationWord) {
  ShortcutParts activation = SplitShortcut(activationWord);
  bool isActivation = (lParam & 0xFFFF) == activation.modifiers && (lParam >> 16) == activation.key;
  if (isActivation ? state_ == EngineState::Suspended : state_ == EngineState::Active) Toggle();
}

void EngineSwitch::ActivateWithTip() {
  Toggle();
  if (state_ == EngineState::Active && !hookRefused_) host_.ShowTip(kTipActive);
}

void EngineSwitch::AppMinimize() {
  if (state_ == EngineState::Suspended) ActivateWithTip();
}

bool EngineSwitch::FormCloseQuery(bool canClose) {
  if (!host_.MainFormVisible()) return canClose;
  canClose = exiting_;
  if (state_ == EngineState::Suspended && !canClose) ActivateWithTip();
  host_.HideMainForm();
  return canClose;
}

void EngineSwitch::ControlKeyboard() {
  locked_ = !locked_;
  host_.SetLockCaption(locked_ ? kCaptionUnlock : kCaptionLock);
  if (locked_) {
    host_.LockKeyboard();
  } else {
    host_.UnlockKeyboard();
  }
}

}  // namespace zv
