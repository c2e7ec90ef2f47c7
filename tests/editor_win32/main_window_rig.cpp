#include "tests/editor_win32/main_window_rig.h"
// After windows.h.
#include <commctrl.h>

#include "scancode/scancode_map.h"
#include "settings/settings.h"
#include "ui/win32/key_box.h"
#include "ui/win32/main_window_res.h"
#include "ui/win32/map_list.h"

namespace zv::testing_win32 {
namespace {

const char* const kFormClass = "ZvTestMainForm";

BOOL CALLBACK AddStaticText(HWND child, LPARAM out) {
  char name[32] = {};
  GetClassNameA(child, name, sizeof name);
  const std::string text = Text(child);
  if (lstrcmpiA(name, "Static") == 0 && !text.empty())
    *reinterpret_cast<std::string*>(out) += ": " + text;
  return TRUE;
}

}  // namespace

std::string BoxText(HWND dialog) {
  std::string text = Text(dialog);
  EnumChildWindows(dialog, &AddStaticText, reinterpret_cast<LPARAM>(&text));
  return text;
}

MainWindowRig::MainWindowRig() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClass;
  RegisterClassA(&wc);
  form = CreateWindowExA(0, kFormClass, "Zorvane 3.96",
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 40, 40, 300, 300,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  PrepareSettingsFile(settings);
  // Windows always has the key of its key map; a fresh Wine prefix does not.
  registry.CloseKey(registry.CreateKey(platform::RegistryRoot::LocalMachine, kScancodeMapKeyPath));
  DeleteScancodeMap(registry);
  window = std::make_unique<win32::MainWindow>(
      form, win32::MainWindowServices{settings, scancodes, keys, openPrograms,
                                      [this] { ++channelKeyDeletes; }, "Zorvane"});
  window->ApplyDisplayName("Zorvane", "Velmora");
  window->editor().LoadLists();
  window->programChoice().Load();
  ShowWindow(form, SW_SHOW);
  UpdateWindow(form);
  driver = std::make_unique<DialogDriver>();
}

MainWindowRig::~MainWindowRig() {
  driver.reset();
  window.reset();
  DestroyWindow(form);
  DeleteScancodeMap(registry);
}

void MainWindowRig::Pick(HWND box, const std::string& item) {
  const LRESULT index = SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(item.c_str()));
  SendMessageA(box, CB_SETCURSEL, index, 0);
  SendMessageA(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(box));
}

void MainWindowRig::Click(HWND button) {
  SendMessageA(button, BM_CLICK, 0, 0);
}

void MainWindowRig::ShowPage(int page) {
  HWND tabs = c().PageControl1;
  SendMessageA(tabs, TCM_SETCURSEL, page, 0);
  NMHDR header = {tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)),
                  static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(GetParent(tabs), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

void MainWindowRig::SelectRow(HWND list, int index) {
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
  NMITEMACTIVATE click = {};
  click.hdr = {list, static_cast<UINT_PTR>(GetDlgCtrlID(list)), static_cast<UINT>(NM_CLICK)};
  click.iItem = index;
  SendMessageA(GetParent(list), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

void MainWindowRig::MenuCommand(int command) {
  // The menus report to the panel, the parent of the buttons.
  SendMessageA(GetParent(c().BitBtn8), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void MainWindowRig::KeyThroughLoop(HWND control, UINT message, WPARAM key) {
  MSG msg = {};
  msg.hwnd = control;
  msg.message = message;
  msg.wParam = key;
  msg.lParam = 1 | (MapVirtualKeyA(static_cast<UINT>(key), 0) << 16);
  if (!window->IsMainWindowMessage(&msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

std::vector<std::string> MainWindowRig::Rows(HWND list) {
  std::vector<std::string> rows;
  for (int i = 0; i < win32::MapListCount(list); ++i) {
    const MapRow row = win32::MapListRow(list, i);
    rows.push_back(RowName(row) + "=" + row.target);
  }
  return rows;
}

std::string MainWindowRig::Caption(HWND list, int row) {
  return win32::MapListRow(list, row).caption;
}

void MainWindowRig::Answer(int button) {
  driver->Then([this, button](HWND dialog) {
    answered.push_back(BoxText(dialog));
    SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
  });
}

}  // namespace zv::testing_win32
