// The main window's messages: commands and notifications of its controls become calls of the
// editor or of the handlers set with SetEvents; every call is guarded at this boundary.
#include "ui/win32/main_window.h"
// After windows.h.
#include <commctrl.h>

#include "common/private_messages.h"
#include "ui/win32/flat_menu.h"
#include "ui/win32/hotkey_field.h"
#include "ui/win32/main_window_res.h"
#include "ui/win32/map_list.h"

namespace zv::win32 {

bool MainWindow::IsMainWindowMessage(MSG* msg) {
  // Alt+letter in a hotkey field is the field's value, not the button with that letter.
  if (panel_ == nullptr || IsSystemKeyForKeyTaker(*msg)) return false;
  return IsDialogMessageA(panel_, msg) != FALSE;
}

void MainWindow::FormActivated(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(form_, focus)) lastFocus_ = focus;
    return;
  }
  // A button hidden with the row of buttons takes no focus.
  const bool shown = lastFocus_ != nullptr && IsWindow(lastFocus_) &&
                     (GetWindowLongPtrA(lastFocus_, GWL_STYLE) & WS_VISIBLE) != 0;
  SetFocus(shown ? lastFocus_ : c_.cbbOldKey);
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  return self->OnMessage(hwnd, message, wParam, lParam);
}

INT_PTR MainWindow::OnMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  // The list popup and the target menu are painted flat.
  if (ui::HandleFlatMenuMessage(dialog, message, wParam, lParam)) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
    return TRUE;
  }
  switch (message) {
    case WM_INITDIALOG:
      return FALSE;  // the focus stays where the window puts it
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_NOTIFY:
      SetWindowLongPtrA(dialog, DWLP_MSGRESULT, OnNotify(*reinterpret_cast<NMHDR*>(lParam)));
      return TRUE;
    case WM_BOXPICKED:
      if (!pickedWhileOpen_) return TRUE;
      pickedWhileOpen_ = false;
      Guarded([&] { editor_.NewKeyPicked(); });
      return TRUE;
    case WM_PROGRAMPICKED: {
      // Acts once, after the box's notifications are over and its list has closed.
      const int index = static_cast<int>(SendMessageA(c_.cbbProgram, CB_GETCURSEL, 0, 0));
      const bool open = SendMessageA(c_.cbbProgram, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
      if (!open && index >= 0 && index != chosenProgram_) {
        chosenProgram_ = index;  // the pick's other notification, in a dialog's loop, finds it done
        Guarded([&] { programChoice_.Picked(index); });
      }
      return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
      HWND control = reinterpret_cast<HWND>(lParam);
      if (control != c_.Label14 && control != c_.EmailLabel) return FALSE;
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 255));  // the links are blue
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETCURSOR: {
      HWND control = reinterpret_cast<HWND>(wParam);
      if (control != c_.Label14 && control != c_.EmailLabel) return FALSE;
      SetCursor(LoadCursor(nullptr, IDC_HAND));
      SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

void MainWindow::OnCommand(int id, int code, HWND control) {
  if (id >= IDM_TargetMenu && !PopupMenus::TargetCaption(id).empty()) {
    // Target menu: the item's caption becomes the Changed to text, then target selection.
    SetBoxText(KeyBox::NewKey, PopupMenus::TargetCaption(id));
    Guarded([&] { editor_.NewKeyPicked(); });
    return;
  }
  switch (id) {
    case IDC_cbbOldKey:
    case IDC_cbbNewKey:
      OnBoxCommand(control, code);
      return;
    case IDC_cbbProgram:
      if (code == CBN_SELCHANGE || code == CBN_CLOSEUP)
        PostMessageA(c_.TabSheet1, WM_PROGRAMPICKED, 0, 0);
      return;
    case IDC_cbProgramOff:
      if (code == BN_CLICKED) {
        const bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
        Guarded([&] { programChoice_.OffClicked(checked); });
      }
      return;
    case IDC_Button3:
      if (code == BN_CLICKED) PopupMenus::TrackAtCursor(menus_.PopupMenu3(), panel_);
      return;
    case IDC_BitBtn8:
      if (code == BN_CLICKED) Guarded([&] { editor_.Change(); });
      return;
    case IDC_BitBtn9:
    case IDM_N4:
      if (code == BN_CLICKED) Guarded([&] { editor_.ResetKey(); });
      return;
    case IDC_BitBtn10:
      if (code == BN_CLICKED) Guarded([&] { editor_.ResetAll(); });
      return;
    case IDM_N7:
      Guarded([&] { editor_.Modify(); });
      return;
    case IDC_BitBtn3:
      if (code == BN_CLICKED) Guarded([&] { events_->BitBtn3Click(); });
      return;
    case IDC_CheckBox1:
      if (code == BN_CLICKED) Guarded([&] { events_->CheckBox1Click(); });
      return;
    case IDC_CheckBox2:
      if (code == BN_CLICKED) Guarded([&] { events_->CheckBox2Click(); });
      return;
    case IDC_HotKey1:
      if (code == EN_CHANGE) Guarded([&] { events_->HotKey1Change(); });
      return;
    case IDC_HotKey2:
      if (code == EN_CHANGE) Guarded([&] { events_->HotKey2Change(); });
      return;
    case IDC_Label14:
      if (code == STN_CLICKED) Guarded([&] { events_->Label14Click(); });
      return;
    case IDC_EmailLabel:
      if (code == STN_CLICKED) Guarded([&] { events_->EmailLabelClick(); });
      return;
    default:
      return;
  }
}

void MainWindow::OnBoxCommand(HWND box, int code) {
  // A pick shows in the box's field only after the notification: show it first.
  auto showPick = [box] {
    const LRESULT index = SendMessageA(box, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return false;
    char text[256] = {};
    if (SendMessageA(box, CB_GETLBTEXTLEN, index, 0) >= static_cast<LRESULT>(sizeof text))
      return false;
    SendMessageA(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    SetWindowTextA(box, text);
    return true;
  };
  const bool open = SendMessageA(box, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
  switch (code) {
    case CBN_DROPDOWN:
      pickedWhileOpen_ = false;
      return;
    case CBN_SELENDOK:
      if (open) pickedWhileOpen_ = true;
      return;
    case CBN_CLOSEUP:
      // Picked in the open list: react once the list has closed. The pick stays pending until
      // the posted message runs it, so a CBN_SELCHANGE after the close-up does not run it too.
      if (pickedWhileOpen_ && box == c_.cbbNewKey) {
        PostMessageA(panel_, WM_BOXPICKED, 0, 0);
      } else {
        pickedWhileOpen_ = false;
      }
      return;
    case CBN_SELCHANGE:
      if (open || !showPick() || pickedWhileOpen_) return;
      if (box == c_.cbbNewKey) Guarded([&] { editor_.NewKeyPicked(); });
      return;
    default:
      return;
  }
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
  const bool isList = header.hwndFrom == c_.SwapKeyList || header.hwndFrom == c_.RegListView;
  if (header.hwndFrom == c_.PageControl1 && header.code == TCN_SELCHANGE) {
    ShowActivePage();
    return 0;
  }
  if (!isList) return 0;
  const MapList list =
      header.hwndFrom == c_.SwapKeyList ? MapList::SwapKeyList : MapList::RegListView;
  switch (header.code) {
    case NM_CUSTOMDRAW:
      return MapListCustomDraw(header.hwndFrom);
    case NM_CLICK:
      Guarded([&] { editor_.RowClicked(list); });
      return 0;
    case NM_RCLICK:
      PopupMenus::TrackAtCursor(menus_.PopupMenu2(), panel_);
      return 0;
    case LVN_KEYDOWN:
      if (list == MapList::SwapKeyList &&
          reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey == VK_DELETE) {
        Guarded([&] { editor_.ResetKey(); });
      }
      return 0;
    default:
      return 0;
  }
}

int MainWindow::BoxKeyDown(HWND box, int virtualKey) noexcept {
  int code = virtualKey;
  Guarded([&] {
    code = editor_.BoxKeyDown(box == c_.cbbOldKey ? KeyBox::OldKey : KeyBox::NewKey, virtualKey);
  });
  return code;
}

}  // namespace zv::win32
