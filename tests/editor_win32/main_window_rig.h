#pragma once
// The main window's content on a plain top-level window of the test program, with a settings
// file in a private folder, the live keyboard state, and modal boxes and dialogs answered by a
// DialogDriver. The helpers do what the user's clicks and keys do, by the messages the
// controls themselves send.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/win32_files.h"
#include "platform/win32/win32_open_programs.h"
#include "platform/win32/win32_registry.h"
#include "settings/settings_file.h"
#include "tests/dialogs_win32/dialog_driver.h"
#include "tests/dialogs_win32/live_key_state.h"
#include "tests/win32/temp_folder.h"
#include "ui/registry_scancode_map.h"
#include "ui/win32/main_window.h"

namespace zv::testing_win32 {

class MainWindowRig {
 public:
  MainWindowRig();
  ~MainWindowRig();

  const win32::MainWindowControls& c() const { return window->controls(); }

  // The user's picks and clicks.
  void Pick(HWND box, const std::string& item);  // an item of the box's drop-down list
  void Click(HWND button);                       // BM_CLICK
  void ShowPage(int page);                       // a click on a tab of the page control
  void SelectRow(HWND list, int index);          // a click on a row
  void MenuCommand(int command);                 // a choice in one of the popup menus
  // A key pressed while control has the focus, through the message loop's dialog manager.
  void KeyThroughLoop(HWND control, UINT message, WPARAM key);

  // What the window shows.
  std::vector<std::string> Rows(HWND list);  // "name=target" per row
  std::string Caption(HWND list, int row);

  // Answers the next modal box or dialog; records its text ("Zorvane: Can not change ...").
  void Answer(int button);
  std::vector<std::string> answered;

  TempFolder folder;
  win32::Win32Files files;
  SettingsFile settings{files, folder.Path("Keydat.qnp")};
  win32::Win32Registry registry;  // the real "Scancode Map", removed before and after
  RegistryScancodeMap scancodes{registry, nullptr};
  LiveKeyState keys;
  win32::Win32OpenPrograms openPrograms;
  int channelKeyDeletes = 0;
  HWND form = nullptr;
  std::unique_ptr<win32::MainWindow> window;
  std::unique_ptr<DialogDriver> driver;  // made after the window's own child dialogs
};

// The caption and the static texts of a message box or dialog, joined with ": ".
std::string BoxText(HWND dialog);

}  // namespace zv::testing_win32
