// TMainForm and the session: the start of the hook once the message loop runs, and the
// session's changes (lock, switch of user, sleep, a UAC prompt) told to the watchdog, which
// recovers the keyboard when the session is back.
#include <windows.h>
// after windows.h, which it needs
#include <wtsapi32.h>

#include "app/main_form.h"
#include "common/private_messages.h"

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

HWND g_desktopWindow = nullptr;  // told of the switches of the input desktop

void CALLBACK DesktopSwitched(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {
  PostMessageA(g_desktopWindow, WM_DESKTOPSWITCH, 0, 0);
}

// Whether the keyboard's input goes to the program's desktop. The secure desktop (a lock, a UAC
// prompt) does not even let the program open it.
bool InputOnOwnDesktop() {
  HDESK input = OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS);
  if (!input) return false;
  char inputName[256] = {}, ownName[256] = {};
  DWORD needed = 0;
  GetUserObjectInformationA(input, UOI_NAME, inputName, sizeof inputName, &needed);
  GetUserObjectInformationA(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, ownName,
                            sizeof ownName, &needed);
  CloseDesktop(input);
  return lstrcmpiA(inputName, ownName) == 0;
}

}  // namespace

void TMainForm::StartSessionWatch() {
  // The hook waits for the loop, whatever activates the engine before it (the hidden start).
  hook_->WaitForMessageLoop();
  PostMessageA(window_, WM_LOOPRUNS, 0, 0);
  RegisterSessionNotification();
  // A UAC prompt comes with no session event. (Windows 7 does not report desktop switches.)
  g_desktopWindow = window_;
  desktopHook_ = SetWinEventHook(EVENT_SYSTEM_DESKTOPSWITCH, EVENT_SYSTEM_DESKTOPSWITCH, nullptr,
                                 DesktopSwitched, 0, 0, WINEVENT_OUTOFCONTEXT);
}

void TMainForm::RegisterSessionNotification() {
  // Refused while the service behind it is still starting (a start early at sign-in): the
  // watchdog's timer asks again.
  sessionNotified_ = WTSRegisterSessionNotification(window_, NOTIFY_FOR_THIS_SESSION) != FALSE;
}

void TMainForm::StopSessionWatch() {
  if (sessionNotified_) WTSUnRegisterSessionNotification(window_);
  sessionNotified_ = false;
  if (desktopHook_) UnhookWinEvent(desktopHook_);
  desktopHook_ = nullptr;
}

void TMainForm::CheckInputDesktop() {
  bool other = !InputOnOwnDesktop();
  if (other == onOtherDesktop_) return;
  onOtherDesktop_ = other;
  watchdog_->OnSessionEvent(other ? SessionEvent::OtherDesktop : SessionEvent::OwnDesktop);
}

bool TMainForm::SessionMessage(UINT message, WPARAM wParam) {
  if (message == WM_LOOPRUNS) {
    hook_->MessageLoopRuns();
    return true;
  }
  if (message == WM_DESKTOPSWITCH) {
    CheckInputDesktop();
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
