#pragma once
// Numbers that are read from outside the program: the icon resources that Explorer, the
// installer and the tray show, and the message with which the uninstaller asks a running
// instance to end. Plain macros, so the resource compiler and the installer script can use them.

#define IDI_ZORVANE 101            // the program icon
#define IDI_ZORVANE_SUSPENDED 102  // the tray icon while the engine is suspended (greyed)

// Sent to the main window (class "TMainForm"): ends the program the way the tray's "Exit" does
// (saves the "Settings" page, withdraws the hotkeys, removes the hook, ends the process).
#define WM_EXITREQUEST 0x8252
// The same request as a message registered under this name (RegisterWindowMessage), which the
// installer sends: other programs' windows of class "TMainForm" give 0x8252 meanings of their
// own, while only this program knows the registered message.
#define ZV_EXIT_MESSAGE_NAME "Zorvane.ExitRequest.6E0C2B7A-5D1F-4B8E-9A43-2F7C1D0E8B55"
