#pragma once
// Every private window message of the program (WM_APP and up), in one list: two messages that
// share a number reach one handler as each other. A new private message gets its number here.
// Plain numbers, so the layers without windows.h can name them too; WM_APP is 0x8000.

namespace zv {

// From the hook to the main window; wParam is the event's virtual key.
inline constexpr unsigned WM_HOOKKEYDOWN = 0x8250;
inline constexpr unsigned WM_HOOKKEYUP = 0x8251;
// To the main window: ends the program the way the tray's "Exit" does. The uninstaller sends
// the registered message of app/app_ids.h instead, which only this program answers.
inline constexpr unsigned WM_EXITREQUEST = 0x8252;
// The main window to itself: the next posted error text is shown.
inline constexpr unsigned WM_SHOWERROR = 0x8260;
// The mapping editor's pages to themselves: a pick in the open Changed to list, after it
// closed; the Program box's choice may have changed.
inline constexpr unsigned WM_BOXPICKED = 0x8261;
inline constexpr unsigned WM_PROGRAMPICKED = 0x8262;
// The main window to itself: the message loop runs (posted before it starts); the input
// desktop changed.
inline constexpr unsigned WM_LOOPRUNS = 0x8263;
inline constexpr unsigned WM_DESKTOPSWITCH = 0x8264;
// The tray icon's mouse messages to the tray's window.
inline constexpr unsigned WM_TRAYICON = 0x8301;
// Work posted to the scheduler's window.
inline constexpr unsigned WM_RUNPOSTED = 0x83A1;
// The volume bar's thread to its window: draw the bar as the shared value says.
inline constexpr unsigned WM_BARSYNC = 0x83B0;

namespace private_messages_detail {
constexpr unsigned kAll[] = {WM_HOOKKEYDOWN, WM_HOOKKEYUP,     WM_EXITREQUEST, WM_SHOWERROR,
                             WM_BOXPICKED,   WM_PROGRAMPICKED, WM_LOOPRUNS,    WM_DESKTOPSWITCH,
                             WM_TRAYICON,    WM_RUNPOSTED,     WM_BARSYNC};
constexpr bool AllDistinctPrivate() {
  for (unsigned a : kAll) {
    int same = 0;
    for (unsigned b : kAll) same += a == b;
    if (same != 1 || a < 0x8000 || a >= 0xC000) return false;
  }
  return true;
}
static_assert(AllDistinctPrivate(), "every private message needs its own number in WM_APP's range");
}  // namespace private_messages_detail

}  // namespace zv
