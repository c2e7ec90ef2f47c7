// Shows one parameter dialog with sample content, for the screenshots in docs/images:
//   dialog_preview pastetext|hotkey|keysequence|taphold|delay|tip [seconds]
// Prints the dialog's window rectangle ("x y width height") once it is up, then closes it
// after the given number of seconds (5 by default).
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/win32/hotkey_dialog.h"
#include "ui/win32/key_sequence_dialog.h"
#include "ui/win32/parameter_dialogs_res.h"
#include "ui/win32/paste_text_dialog.h"
#include "ui/win32/set_delay_time_dialog.h"
#include "ui/win32/tap_hold_dialog.h"
#include "ui/win32/tip_dialog.h"

namespace {

UINT closeAfterMs = 5000;
HHOOK hook = nullptr;

void CALLBACK Report(HWND dialog, UINT, UINT_PTR id, DWORD) {
  KillTimer(dialog, id);
  SetForegroundWindow(dialog);
  HWND box = GetDlgItem(dialog, IDC_TfrmKeySequence_cbb1);
  if (box != nullptr) {
    SetWindowTextA(box, "Left Ctrl");
    SendMessageA(GetDlgItem(dialog, IDC_TfrmKeySequence_lst1), LB_SETCURSEL, 4, 0);
  }
  HWND delay = GetDlgItem(dialog, IDC_TfrmSetDelayTime_Edit1);
  if (delay != nullptr) SetWindowTextA(delay, "500");
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT rect = {};
  GetWindowRect(dialog, &rect);
  std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top);
  std::fflush(stdout);
}

void CALLBACK Close(HWND dialog, UINT, UINT_PTR id, DWORD) {
  KillTimer(dialog, id);
  EndDialog(dialog, IDCANCEL);
}

LRESULT CALLBACK OnCreate(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND dialog = reinterpret_cast<HWND>(wParam);
    SetTimer(dialog, 1, 500, Report);
    SetTimer(dialog, 2, closeAfterMs, Close);
    UnhookWindowsHookEx(hook);
    hook = nullptr;
    return 0;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct LiveKeys : zv::platform::KeyState {
  short AsyncKeyState(int key) override { return GetAsyncKeyState(key); }
};

}  // namespace

int main(int argc, char** argv) {
  const std::string which = argc > 1 ? argv[1] : "pastetext";
  if (argc > 2) closeAfterMs = static_cast<UINT>(std::atoi(argv[2]) * 1000);
  hook = SetWindowsHookExA(WH_CBT, OnCreate, nullptr, GetCurrentThreadId());
  LiveKeys keys;
  if (which == "pastetext") {
    zv::win32::TfrmPasteText dialog(nullptr);
    dialog.InitialParameter = "Dear Sir or Madam,##Kind regards#Jane";
    dialog.ShowModal();
  } else if (which == "hotkey") {
    zv::win32::TfrmHotkey dialog(nullptr);
    dialog.InitialParameter = "24659";  // Ctrl+Shift+S
    dialog.ShowModal();
  } else if (which == "keysequence") {
    zv::win32::TfrmKeySequence dialog(nullptr, keys);
    dialog.InitialParameter =
        "KeyDown Left Ctrl,KeyDown C,KeyUp C,KeyUp Left Ctrl,Delay 500,KeyDown Left Ctrl,"
        "KeyDown V,KeyUp V,KeyUp Left Ctrl,";
    dialog.ShowModal();
  } else if (which == "taphold") {
    zv::win32::TfrmTapHold dialog(nullptr, {"Nav"});
    dialog.InitialParameter = "SpaceBar|Layer Nav|250|release";
    dialog.ShowModal();
  } else if (which == "tip") {
    zv::win32::TfrmTipWithNoShowAgain dialog(nullptr);
    dialog.Text = zv::kChangeSucTipText;
    dialog.ShowModal();
  } else {
    zv::win32::TfrmSetDelayTime dialog(nullptr);
    dialog.ShowModal();
  }
  return 0;
}
