#pragma once
// Numbers that are read from outside the program: the icon resources that Explorer, the
// installer and the tray show, and the message with which the uninstaller asks a running
// instance to end. Plain macros, so the resource compiler and the installer script can use them.

#define IDI_ZORVANE 101            // the program icon
#define IDI_ZORVANE_SUSPENDED 102  // the tray icon while the engine is suspended (greyed)

// Sent to the main window (class "TMainForm"): ends the program the way the tray's "Exit" does
// (saves the "Settings" page, withdraws the hotkeys, removes the hook, ends the process).
#define WM_EXITREQUEST 0x8252
