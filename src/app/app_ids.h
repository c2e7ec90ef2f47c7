#pragma once
// Numbers and names that are read from outside the program: the icon resources that Explorer, the
// installer and the tray show, and the messages with which the uninstaller and a second start
// ask a running instance to end or to show itself. Plain macros, so the resource compiler and the
// installer script can use them.

#define IDI_ZORVANE 101            // the program icon
#define IDI_ZORVANE_SUSPENDED 102  // the tray icon while the engine is suspended (greyed)

// The main window (class "TMainForm") takes requests as messages registered under these names
// (RegisterWindowMessage): other programs' windows of that class give WM_APP numbers meanings of
// their own, while only this program knows these. The exit request, which the installer sends,
// ends the program the way the tray's "Exit" does (common/private_messages.h WM_EXITREQUEST).
#define ZV_EXIT_MESSAGE_NAME "Zorvane.ExitRequest.6E0C2B7A-5D1F-4B8E-9A43-2F7C1D0E8B55"
// A second start asks the running instance to show its window (ui/second_start.h).
#define ZV_SHOW_MESSAGE_NAME "Zorvane.ShowRequest.BD702F90-39D7-4490-A50F-A80D03E358A3"
