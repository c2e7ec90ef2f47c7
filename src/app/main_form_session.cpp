// TMainForm and the session: the start of the hook once the message loop runs, and the
// session's changes (lock, switch of user, sleep) told to the watchdog, which recovers the
// keyboard when the session is back.
#include <windows.h>
// after windows.h, which it needs
#include <wtsapi32.h>

#include "app/main_form.h"

namespace zv {
namespace {

// The session's changes that matter to the keyboard; false for the others.
bool SessionEventOf(UINT message, WPARAM code, SessionEvent& event) {
  if (message == WM_WTSSESSION_CHANGE) {
    switch (code) {
      case WTS_SESSION_LOCK:
        event = SessionEvent::Locked;
        return true;
      case WTS_SESSION_UNLOCK:
        event = SessionEvent::Unlocked;
        return true;
      case WTS_CONSOLE_DISCONNECT:
      case WTS_REMOTE_DISCONNECT:
        event = SessionEvent::Disconnected;
        return true;
      case WTS_CONSOLE_CONNECT:
      case WTS_REMOTE_CONNECT:
        event = SessionEvent::Connected;
        return true;
    }
  } else if (message == WM_POWERBROADCAST) {
    switch (code) {
      case PBT_APMSUSPEND:
        event = SessionEvent::Suspending;
        return true;
      case PBT_APMRESUMEAUTOMATIC:
      case PBT_APMRESUMESUSPEND:
        event = SessionEvent::Resumed;
        return true;
    }
  }
  return false;
}

}  // namespace

void TMainForm::StartSessionWatch() {
  // The hook waits for the loop, whatever activates the engine before it (the hidden start).
  hook_->WaitForMessageLoop();
  PostMessageA(window_, WM_LOOPRUNS, 0, 0);
  RegisterSessionNotification();
}

void TMainForm::RegisterSessionNotification() {
  // Refused while the service behind it is still starting (a start early at sign-in): the
  // watchdog's timer asks again.
  sessionNotified_ = WTSRegisterSessionNotification(window_, NOTIFY_FOR_THIS_SESSION) != FALSE;
}

void TMainForm::StopSessionWatch() {
  if (sessionNotified_) WTSUnRegisterSessionNotification(window_);
  sessionNotified_ = false;
}

bool TMainForm::SessionMessage(UINT message, WPARAM wParam) {
  if (message == WM_LOOPRUNS) {
    hook_->MessageLoopRuns();
    return true;
  }
  SessionEvent event;
  if (!SessionEventOf(message, wParam, event)) return false;
  watchdog_->OnSessionEvent(event);
  return true;
}

}  // namespace zv
