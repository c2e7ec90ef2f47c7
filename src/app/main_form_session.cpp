// TMainForm and the session: the start of the hook once the message loop runs, and the
// session's changes (lock, switch of user, sleep) told to the watchdog, which recovers the
// keyboard when the session is back.
#include <windows.h>
// after windows.h, which it needs
#include <wtsapi32.h>

#include "app/main_form.h"

namespace zv {
namespace {

// The session's changes that matter to the keyboard.
struct SessionCode {
  UINT message;
  WPARAM code;
  SessionEvent event;
};
constexpr SessionCode kSessionCodes[] = {
    {WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, SessionEvent::Locked},
    {WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, SessionEvent::Unlocked},
    {WM_WTSSESSION_CHANGE, WTS_CONSOLE_DISCONNECT, SessionEvent::Disconnected},
    {WM_WTSSESSION_CHANGE, WTS_REMOTE_DISCONNECT, SessionEvent::Disconnected},
    {WM_WTSSESSION_CHANGE, WTS_CONSOLE_CONNECT, SessionEvent::Connected},
    {WM_WTSSESSION_CHANGE, WTS_REMOTE_CONNECT, SessionEvent::Connected},
    {WM_POWERBROADCAST, PBT_APMSUSPEND, SessionEvent::Suspending},
    {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, SessionEvent::Resumed},
    {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, SessionEvent::Resumed},
};

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
  for (const SessionCode& c : kSessionCodes) {
    if (c.message != message || c.code != wParam) continue;
    watchdog_->OnSessionEvent(c.event);
    return true;
  }
  return false;
}

}  // namespace zv
